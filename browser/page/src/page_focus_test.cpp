// The keyboard over a page without a window: the focus order, Enter, Escape and a page
// change through the main window object, and what a screen reader is told of each element.
#include "browser/page/page_focus.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "browser/doc/cdz_writer.h"
#include "browser/page/main_wnd.h"
#include "page_test_support.h"
#include "test_files.h"

namespace browser {
namespace {

using ::testing::ElementsAre;

// A mouse script whose one step sets a variable named after the event.
std::string MouseScript(const std::string& section, const std::string& event) {
  return "[" + section + "]\nname = " + event + "\nnumScriptItems = 1\n[" + section +
         "_ScriptItem_1]\nname = SetVariable\nvarName = " + event + "\nvalue = x\n";
}
std::string Command(const std::string& section, const std::string& event,
                    const std::string& command, const std::string& parameters = "") {
  return "[" + section + "]\nname = " + event + "\nnumScriptItems = 1\n[" + section +
         "_ScriptItem_1]\nname = InternalCommand\ncommand = " + command +
         "\nparameters = " + parameters + "\n";
}

// A caption without scripts, two buttons on one row (the right one first in the page), a
// picture button below them and an Exit button at the bottom.
std::string KeysPage() {
  return "[Main]\ntitle = Keys\nappbar = false\nwidth = 300\nheight = 200\nnumElements = 5\n"
         "[Element_1]\ntype = Text\nid = caption\ntext = Welcome\nxpos = 10\nypos = 10\n"
         "[Element_2]\ntype = Text\nid = quit\naccessibleName = Leave the CD\nxpos = 200\n"
         "ypos = 150\nwidth = 50\nheight = 20\nnumScripts = 1\n" +
         Command("Element_2_Script_1", "OnMouseUp", "Exit") +
         "[Element_3]\ntype = Text\nid = right\ntext = Exhaust\ncursor = hand\nxpos = 150\nypos = "
         "50\n"
         "width = 40\nheight = 20\nnumScripts = 4\n" +
         MouseScript("Element_3_Script_1", "OnMouseIn") +
         MouseScript("Element_3_Script_2", "OnMouseDown") +
         MouseScript("Element_3_Script_3", "OnMouseUp") +
         MouseScript("Element_3_Script_4", "OnMouseOut") +
         "[Element_4]\ntype = Text\nid = left\ntext = Sizing\nxpos = 20\nypos = 50\n"
         "width = 40\nheight = 20\nnumScripts = 1\n" +
         MouseScript("Element_4_Script_1", "OnMouseDown") +
         "[Element_5]\ntype = Image\nsrc = pictures\\btn.next.gif\nxpos = 20\nypos = 100\n"
         "width = 30\nheight = 30\nnumScripts = 1\n" +
         Command("Element_5_Script_1", "OnMouseUp", "ChangePage", "second.cdb");
}

class PageFocusTest : public ::testing::Test {
 protected:
  PageFocusTest() : trace_file_(std::tmpfile()) {}
  ~PageFocusTest() override { std::fclose(trace_file_); }

  CMainWnd& Start(const std::string& first, const std::string& second = "[Main]\n") {
    EXPECT_TRUE(
        WriteCdz(dir_.files, dir_.Path("show.cdz"), {{"first.cdb", first}, {"second.cdb", second}},
                 false)
            .ok());
    CMainWnd::Services services{window_, dir_.files};
    services.pictures = &pictures_;
    services.program_path = dir_.Path("browser");
    services.trace = Trace(trace_file_);
    services.focus_moved = [this] { ++focus_moves_; };
    wnd_ = std::make_unique<CMainWnd>(ids_, std::move(services));
    EXPECT_TRUE(wnd_->StartupLoad(dir_.Path("show.cdz"))) << wnd_->last_error();
    return *wnd_;
  }
  void Pump() { testing::PumpRequests(window_, *wnd_); }
  // The trace's focus, event and request lines since the last call, "|" between columns.
  std::vector<std::string> Steps() {
    std::fflush(trace_file_);
    std::fseek(trace_file_, read_, SEEK_SET);
    std::vector<std::string> lines;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, trace_file_)) {
      std::string line(buffer);
      line.pop_back();
      for (char& c : line) c = c == '\t' ? '|' : c;
      if (line.rfind("focus|", 0) == 0 || line.rfind("event|OnMouse", 0) == 0 ||
          line.rfind("request|", 0) == 0) {
        lines.push_back(line);
      }
    }
    read_ = std::ftell(trace_file_);
    return lines;
  }
  std::string FocusedId() const {
    return wnd_->focused() != nullptr ? wnd_->focused()->id() : "(none)";
  }

  testing::MemoryDir dir_;
  testing::FakeWindow window_;
  testing::FakePictures pictures_;
  CIdManager ids_;
  std::FILE* trace_file_;
  long read_ = 0;
  int focus_moves_ = 0;
  std::unique_ptr<CMainWnd> wnd_;
};

TEST_F(PageFocusTest, TabGoesTopToBottomThenLeftToRightRoundAndBack) {
  CMainWnd& wnd = Start(KeysPage());
  // The load puts the focus on the first element in order, without running anything.
  EXPECT_THAT(Steps(), ElementsAre("focus|Element_4|left"));
  EXPECT_EQ(focus_moves_, 1);
  std::vector<std::string> order;
  for (int i = 0; i < 4; ++i) {
    wnd.FocusNext(false);
    order.push_back(FocusedId());
  }
  EXPECT_THAT(order, ElementsAre("right", "", "quit", "left"));
  wnd.FocusNext(true);
  EXPECT_EQ(FocusedId(), "quit");
  EXPECT_EQ(Steps().back(), "focus|Element_2|quit");
  // The ring is painted again where the focus was and where it is.
  window_.invalidated.clear();
  wnd.FocusNext(true);
  ASSERT_EQ(window_.invalidated.size(), 2u);
  EXPECT_EQ(testing::Describe(window_.invalidated[0]), testing::Describe({200, 150, 250, 170}));
}

TEST_F(PageFocusTest, EnterRunsAClickAndTheFocusLeavingEndsItsHover) {
  CMainWnd& wnd = Start(KeysPage());
  wnd.FocusNext(false);  // "right", which has all four mouse scripts
  Steps();
  wnd.PressFocused();
  EXPECT_THAT(Steps(), ElementsAre("event|OnMouseIn|Element_3|ran|right",
                                   "event|OnMouseDown|Element_3|ran|right",
                                   "event|OnMouseUp|Element_3|ran|right"));
  EXPECT_EQ(wnd.pressed(), nullptr);
  EXPECT_FALSE(wnd.focused()->IsPressed());
  // The pointer is not over the element: its hand is not shown.
  EXPECT_EQ(window_.cursor, CursorShape::kArrow);
  // "OnMouseIn" has run already.
  wnd.PressFocused();
  EXPECT_THAT(Steps(), ElementsAre("event|OnMouseDown|Element_3|ran|right",
                                   "event|OnMouseUp|Element_3|ran|right"));
  wnd.FocusNext(false);
  EXPECT_THAT(Steps(), ElementsAre("event|OnMouseOut|Element_3|ran|right", "focus|Element_5"));
  // Under the pointer, the element keeps its hover when the focus leaves it.
  wnd.MouseMove({160, 55}, false);
  EXPECT_EQ(FocusedId(), "right");
  wnd.FocusNext(false);
  EXPECT_THAT(Steps(), ElementsAre("event|OnMouseIn|Element_3|ran|right", "focus|Element_3|right",
                                   "focus|Element_5"));
  EXPECT_EQ(wnd.hovered()->id(), "right");
  // An element without mouse scripts under the pointer leaves the focus where it is.
  wnd.MouseMove({15, 15}, false);
  EXPECT_EQ(FocusedId(), "");
}

TEST_F(PageFocusTest, EscapeClicksTheOneExitAndAPageChangeFocusesTheNewPage) {
  const std::string second =
      "[Main]\nnumElements = 2\n[Element_1]\ntype = Text\nid = below\nypos = 90\nnumScripts = 1\n" +
      Command("Element_1_Script_1", "OnMouseUp", "Exit") +
      "[Element_2]\ntype = Text\nid = above\nypos = 10\nnumScripts = 1\n" +
      Command("Element_2_Script_1", "OnMouseDown", "Exit");
  CMainWnd& wnd = Start(KeysPage(), second);
  wnd.Escape();
  EXPECT_THAT(Steps(), ElementsAre("focus|Element_4|left", "event|OnMouseIn|Element_2|none|quit",
                                   "focus|Element_2|quit", "event|OnMouseDown|Element_2|none|quit",
                                   "event|OnMouseUp|Element_2|ran|quit"));
  ASSERT_EQ(window_.posted.size(), 1u);
  EXPECT_EQ(window_.posted[0].kind, PageRequest::Kind::kExit);
  window_.posted.clear();
  // The picture button changes the page; the new page's first element has the focus, and
  // with two ways out Escape does nothing.
  wnd.FocusNext(true);
  wnd.PressFocused();
  Steps();
  Pump();
  EXPECT_THAT(Steps(), ElementsAre("request|ChangePage|second.cdb", "focus|Element_2|above"));
  wnd.Escape();
  EXPECT_THAT(Steps(), ::testing::IsEmpty());
  EXPECT_TRUE(window_.posted.empty());
  // The window's close ends the program as Exit does, once; then the keys do nothing.
  wnd.CloseRequested();
  wnd.CloseRequested();
  EXPECT_TRUE(window_.closed);
  wnd.FocusNext(false);
  EXPECT_THAT(Steps(), ElementsAre("request|close"));
}

TEST_F(PageFocusTest, APageWithoutButtonsHasNoFocusAndKeysDoNothing) {
  CMainWnd& wnd = Start("[Main]\nnumElements = 1\n[Element_1]\ntype = Text\ntext = Hello\n");
  wnd.FocusNext(false);
  wnd.FocusNext(true);
  wnd.PressFocused();
  wnd.Escape();
  EXPECT_EQ(wnd.focused(), nullptr);
  EXPECT_THAT(Steps(), ::testing::IsEmpty());
  EXPECT_EQ(focus_moves_, 1);  // the page was shown
}

TEST_F(PageFocusTest, ScreenReadersGetRolesNamesAndBounds) {
  const std::string page =
      "[Main]\nnumElements = 5\n[Element_1]\ntype = Image\nsrc = logo.bmp\nid = logo\n"
      "[Element_2]\ntype = Image\nsrc = a\\b\\photo.large.jpg\nwidth = 5\nheight = 5\n"
      "[Element_3]\ntype = ImageList\nsrc = strips/tabs.gif\n"
      "[Element_3_Frame_0]\ntop = 0\nleft = 0\nbottom = 5\nright = 5\n"
      "[Element_4]\ntype = Text\nid = t\naccessibleName = \n"
      "[Element_5]\ntype = ActiveX\ncontrolName = Some.Control\nwidth = 50\nheight = 50\n"
      "numScripts = 1\n" +
      MouseScript("Element_5_Script_1", "OnMouseUp");
  CMainWnd& other = Start(page);
  std::vector<std::string> seen;
  for (const AccessibleItem& item : other.AccessibleItems()) {
    seen.push_back(std::to_string(static_cast<int>(item.role)) + " " + item.name);
  }
  // An empty accessibleName is no name; a picture's name drops the folders and the last
  // extension, whichever separator the document wrote.
  EXPECT_THAT(seen, ElementsAre("1 logo", "1 photo.large", "1 tabs", "2 t"));
  // The hosted control is left to its own widget, with its focus.
  EXPECT_EQ(other.focused(), nullptr);

  CMainWnd& keys = Start(KeysPage());
  seen.clear();
  for (const AccessibleItem& item : keys.AccessibleItems()) {
    seen.push_back(std::to_string(static_cast<int>(item.role)) + " " + item.name + " " +
                   testing::Describe(item.bounds));
  }
  EXPECT_THAT(seen, ElementsAre("2 Welcome " + testing::Describe({10, 10, 50, 30}),
                                "0 Leave the CD " + testing::Describe({200, 150, 250, 170}),
                                "0 Exhaust " + testing::Describe({150, 50, 190, 70}),
                                "0 Sizing " + testing::Describe({20, 50, 60, 70}),
                                "0 btn.next " + testing::Describe({20, 100, 50, 130})));
}

}  // namespace
}  // namespace browser
