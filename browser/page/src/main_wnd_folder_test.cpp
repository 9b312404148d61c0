// Documents as their authors keep them: a folder of data files, a single data file as text,
// and the page loaded again when they change on disk.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "main_wnd_fixture.h"

namespace browser {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A page whose OnLoad sets the variable Seen to its title.
std::string Page(const std::string& title, const std::string& command = "",
                 const std::string& parameters = "") {
  std::string text = "[Main]\ntitle = " + title +
                     "\nappbar = false\nwidth = 300\nheight = 200\nnumScripts = 1\n"
                     "[Script_1]\nname = OnLoad\nnumScriptItems = " +
                     (command.empty() ? "1" : "2") +
                     "\n[Script_1_ScriptItem_1]\nname = SetVariable\nvarName = Seen\nvalue = " +
                     title + "\n";
  if (!command.empty()) {
    text += "[Script_1_ScriptItem_2]\nname = InternalCommand\ncommand = " + command +
            "\nparameters = " + parameters + "\n";
  }
  return text;
}

class FolderDocumentTest : public testing::MainWndFixture {
 protected:
  FolderDocumentTest() { dir_.files.MakeFolder(dir_.Path("tour")); }

  void CompleteServices(CMainWnd::Services& services) override {
    services.report = [this](const std::string& line) { reports_.push_back(line); };
  }
  void Write(const std::string& name, const std::string& text) {
    dir_.Write(dir_.Path(name), text);
  }
  // The trace's load and request lines and the OnLoad and OnUnload events.
  std::vector<std::string> Steps() {
    std::vector<std::string> steps = TraceLines();
    std::erase_if(steps, [](const std::string& line) {
      return line.rfind("event|PreLoad", 0) == 0 || line.rfind("action", 0) == 0;
    });
    return steps;
  }

  std::vector<std::string> reports_;
};

// A folder shows its first data file by name; its pictures resolve in it, and its members are
// the pages NextPage walks and ChangePage names.
TEST_F(FolderDocumentTest, AFolderIsADocument) {
  Write("tour/b.cdb", Page("B", "ChangePage", "c.cdb"));
  Write("tour/a.cdb", Page("A", "NextPage"));
  Write("tour/c.cdb", Page("C"));
  Write("tour/logo.bmp", "BM");
  CMainWnd& wnd = Make();
  ASSERT_TRUE(wnd.StartupLoad(dir_.Path("tour"))) << wnd.last_error();
  EXPECT_EQ(wnd.title(), "A");
  EXPECT_EQ(wnd.document_dir(), dir_.Path("tour/"));
  EXPECT_EQ(wnd.container().Count(), 3u);
  Pump();
  EXPECT_EQ(wnd.title(), "C");
  EXPECT_THAT(Steps(), ElementsAre("load|a.cdb", "event|OnLoad|Main|ran", "request|NextPage",
                                   "load|b.cdb", "event|OnUnload|Main|none",
                                   "event|OnLoad|Main|ran", "request|ChangePage|c.cdb",
                                   "load|c.cdb", "event|OnUnload|Main|none",
                                   "event|OnLoad|Main|ran"));
}

// A single data file written as text is a document; ChangePage to another one beside it reads
// that one as text too.
TEST_F(FolderDocumentTest, ADataFileAsTextIsADocument) {
  Write("tour/page.cdb", Page("Page", "ChangePage", "other.cdb"));
  Write("tour/other.cdb", Page("Other"));
  CMainWnd& wnd = Make();
  ASSERT_TRUE(wnd.StartupLoad(dir_.Path("tour/page.cdb"))) << wnd.last_error();
  EXPECT_EQ(wnd.title(), "Page");
  Pump();
  EXPECT_EQ(wnd.title(), "Other");
  EXPECT_FALSE(window_.closed);
}

// A data file of a folder that cannot be read is left out and named with its line; one that is
// named on its own ends the start with that reason.
TEST_F(FolderDocumentTest, ABrokenDataFileIsNamed) {
  Write("tour/a.cdb", "[Main]\ntitle = A\n[Element_1\n");
  Write("tour/b.cdb", Page("B"));
  ASSERT_TRUE(Make().StartupLoad(dir_.Path("tour")));
  EXPECT_EQ(wnd_->title(), "B");
  EXPECT_THAT(reports_, ElementsAre(dir_.Path("tour/a.cdb") +
                                    ": line 3: '[Element_1' is no section header: a line that "
                                    "begins with '[' must end with ']' and name a section"));
  EXPECT_FALSE(Make().StartupLoad(dir_.Path("tour/a.cdb")));
  EXPECT_THAT(wnd_->last_error(), HasSubstr("a.cdb: line 3:"));
}

// The files changed on disk: the page shown loads again from the new text, as a reload request
// loads it, and stays the page it was; a text that cannot be read leaves the page as it is.
TEST_F(FolderDocumentTest, ReloadFromDiskKeepsThePageAndRefusesBrokenText) {
  Write("tour/a.cdb", Page("A", "NextPage"));
  Write("tour/b.cdb", Page("B"));
  CMainWnd& wnd = Make();
  ASSERT_TRUE(wnd.StartupLoad(dir_.Path("tour")));
  Pump();
  ASSERT_EQ(wnd.title(), "B");
  Steps();
  const size_t before = Steps().size();

  Write("tour/b.cdb", Page("B, edited"));
  ASSERT_TRUE(wnd.ReloadFromDisk(dir_.Path("tour")).ok());
  EXPECT_EQ(wnd.title(), "B, edited");
  std::vector<std::string> steps = Steps();
  steps.erase(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(before));
  EXPECT_THAT(steps, ElementsAre("request|watch", "load|b.cdb", "event|OnUnload|Main|none",
                                 "event|OnLoad|Main|ran"));

  Write("tour/b.cdb", "[Main]\ntitle = half saved\n[Script_1");
  const Status s = wnd.ReloadFromDisk(dir_.Path("tour"));
  EXPECT_EQ(s.message().rfind(dir_.Path("tour/b.cdb") + ": line 3: '[Script_1'", 0), 0u)
      << s.message();
  EXPECT_EQ(wnd.title(), "B, edited");
  EXPECT_EQ(Steps().size(), before + 4);
  EXPECT_FALSE(window_.closed);

  // The page's data file has gone: the document's first takes its place.
  dir_.files.Remove(dir_.Path("tour/b.cdb"));
  ASSERT_TRUE(wnd.ReloadFromDisk(dir_.Path("tour")).ok());
  EXPECT_EQ(wnd.title(), "A");
}

}  // namespace
}  // namespace browser
