// The system and navigation actions against services that print what they are asked: keys,
// defaults, resolved and unresolved paths, the registry form, the limits and the results.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "actions/drag_file_action.h"
#include "actions/register_activex_action.h"
#include "browser/script/printing_system_services.h"
#include "browser/script/script.h"
#include "browser/script/script_host.h"
#include "platform/memory_registry.h"
#include "test_support.h"

namespace browser {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using testing::Fixture;
using ::testing::IsEmpty;
using testing::ParseDocument;

class RecordingHost : public ScriptHost {
 public:
  void PostRequest(PageRequest request) override { requests.push_back(std::move(request)); }
  void Minimize() override { ++minimized; }
  std::vector<PageRequest> requests;
  int minimized = 0;
};

// Prints as the authors' tool does, keeps the text of every file it is asked to save and
// each drag ("PATH EFFECTS"), and can be told that the program has no web window or that
// the user cancels drags.
class RecordingServices : public PrintingSystemServices {
 public:
  RecordingServices(std::vector<std::string>& lines, platform::FileSystem& files)
      : PrintingSystemServices([&lines](const std::string& line) { lines.push_back(line); },
                               [&files](const std::string& path) { return files.Exists(path); }) {}
  bool Perform(const SystemRequest& request) override {
    if (const auto* save = std::get_if<request::SaveDataFile>(&request)) {
      saved = save->file->Lines();
    }
    if (const auto* drag = std::get_if<request::DragFile>(&request)) {
      drags.push_back(drag->path + " " + std::to_string(drag->effects));
      return !cancel;
    }
    if (std::holds_alternative<request::OpenWebWindow>(request) && !web_window) return false;
    return PrintingSystemServices::Perform(request);
  }
  std::vector<std::string> saved;
  std::vector<std::string> drags;
  bool web_window = true;
  bool cancel = false;
};

class SystemActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("system_actions_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fx_.load.paths.document_dir = "/media/cd/";
    fx_.context.paths = fx_.load.paths;
    fx_.context.host = &host_;
    fx_.context.system = &services_;
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs one script whose items are the given key lines (one string per item, keys separated
  // by newlines); answers what ended the run.
  ActionResult Run(std::initializer_list<std::string> items) {
    std::string text = "[S]\nnumScriptItems = " + std::to_string(items.size()) + "\n";
    int n = 0;
    for (const std::string& item : items) {
      text += "[S_ScriptItem_" + std::to_string(++n) + "]\n" + item + "\n";
    }
    CDataFile file = ParseDocument(text);
    script_ = std::make_unique<CScript>("S", nullptr);
    script_->Load(file, fx_.load);
    return testing::RunScript(*script_, fx_.context);
  }
  void SetText(const std::string& name, const std::string& text) {
    ActionResult r;
    fx_.variables.FindOrCreateInScope(0, name, r)->value = platform::Variant::Utf8(text);
  }

  fs::path dir_;
  Fixture fx_;
  RecordingHost host_;
  std::vector<std::string> lines_;
  RecordingServices services_{lines_, fx_.files};
  std::unique_ptr<CScript> script_;
};

TEST_F(SystemActionsTest, InternalCommandsCompareExitExactlyTheRestInAnyCase) {
  EXPECT_EQ(
      Run({"name = InternalCommand\ncommand = exit", "name = InternalCommand\ncommand = nextpage",
           "name = InternalCommand\ncommand = ChangePage\nparameters = a.cdz",
           "name = InternalCommand\ncommand = CHANGEPAGE\nparameters = b.cdz",
           "name = InternalCommand\ncommand = prevPage", "name = InternalCommand\ncommand = Exit",
           "name = InternalCommand\ncommand = Reboot"}),
      ActionResult::kContinue);
  using Kind = PageRequest::Kind;
  ASSERT_EQ(host_.requests.size(), 5u);
  EXPECT_EQ(host_.requests[0].kind, Kind::kNextDocument);
  // Each request keeps its own document name, in the order posted.
  EXPECT_EQ(host_.requests[1].kind, Kind::kOpenDocument);
  EXPECT_EQ(host_.requests[1].document, "a.cdz");
  EXPECT_EQ(host_.requests[2].document, "b.cdz");
  EXPECT_EQ(host_.requests[3].kind, Kind::kPreviousDocument);
  EXPECT_EQ(host_.requests[4].kind, Kind::kExit);
  EXPECT_EQ(lines_.front(), "command: exit ");
  EXPECT_EQ(lines_.at(2), "command: ChangePage a.cdz");
  EXPECT_EQ(lines_.size(), 7u);
}

TEST_F(SystemActionsTest, RunProgramResolvesShellExecuteTakesThePathAsWritten) {
  Run({"name = RunProgram\npath = setup.exe\nparameters = /s \"C:\\My Dir\" $(rm) `x`;",
       "name = ShellExecute\npath = setup.exe", "name = OpenFolder\npath = Docs\\Manuals",
       "name = PlaySound\npath = sounds\\click.wav", "name = PlaySound",
       "name = RunProgram\npath = http://example.invalid/x"});
  EXPECT_THAT(lines_, ElementsAre("run: /media/cd/setup.exe /s \"C:\\My Dir\" $(rm) `x`;",
                                  "shell: setup.exe", "folder: /media/cd/Docs/Manuals",
                                  "sound: /media/cd/sounds/click.wav", "sound: /media/cd",
                                  "run: http://example.invalid/x "));
}

// Paths used as written keep relative to the current folder, but a "\" separates folders there
// as it does in resolved paths; addresses with a scheme keep their text.
TEST_F(SystemActionsTest, PathsUsedAsWrittenTakeBackslashesAsSeparators) {
  SetText("Page", "docs\\index.htm");
  const fs::path before = fs::current_path();
  fs::current_path(dir_);
  Run({"name = ShellExecute\npath = docs\\manual.pdf", "name = LaunchHtml\nvariableName = Page",
       "name = LaunchHtml\npath = http://x.invalid/a\\b",
       "name = SaveToFile\npath = sub\\prefs.kps\nkey = k\nvalue = v"});
  services_.web_window = false;
  Run({"name = LaunchInternetExplorer\npath = ..\\up.htm"});
  fs::current_path(before);
  EXPECT_THAT(lines_, ElementsAre("shell: docs/manual.pdf", "open: docs/index.htm",
                                  "open: http://x.invalid/a\\b", "save: sub/prefs.kps k v",
                                  "shell: ../up.htm"));
}

TEST_F(SystemActionsTest, RunProgramRefusesPathsTheOldBuffersCouldNotHold) {
  // The longest path the action starts: what a buffer of 260 bytes held with its terminator.
  constexpr size_t kLongestPath = 259;
  const std::string fits(kLongestPath - std::string("/media/cd/").size(), 'a');
  Run({"name = RunProgram\npath = " + fits, "name = RunProgram\npath = " + fits + "b"});
  ASSERT_EQ(lines_.size(), 1u);
  EXPECT_EQ(lines_[0], "run: /media/cd/" + fits + " ");
}

TEST_F(SystemActionsTest, RunProgramRegistryFormReadsWhenItRuns) {
  platform::MemoryRegistry registry;
  fx_.load.registry = &registry;
  const char* key = "Software\\Corvane\\Sizing";
  const std::string item = std::string("name = RunProgram\nflag = registry\nregistryKey = ") + key +
                           "\nregistryValueName = Program\n" +
                           "paramRegistryValueName = Args\npath = ignored.exe";
  // Nothing to read yet: nothing starts.
  Run({item});
  EXPECT_THAT(lines_, IsEmpty());
  ASSERT_TRUE(registry.WriteString(key, "Program", "/opt/sizing/sizing"));
  Run({item});
  ASSERT_TRUE(registry.WriteString(key, "Args", "--job \"a b.siz\""));
  script_->Run(fx_.context);  // the same loaded action sees the new value
  ASSERT_TRUE(registry.WriteString(key, "Args", std::string(260, 'x')));
  script_->Run(fx_.context);
  ASSERT_TRUE(registry.WriteDword(key, "Program", 5));
  script_->Run(fx_.context);
  EXPECT_THAT(lines_,
              ElementsAre("run: /opt/sizing/sizing ", "run: /opt/sizing/sizing --job \"a b.siz\""));
}

TEST_F(SystemActionsTest, PostMessageReadsMessageAndWparamDecimalLparamInCNotation) {
  Run(
      {"name = PostMessage\nWindowClass = NoSuchClass\nMessage = 0x400\nWparam = 0x10\n"
       "Lparam = 0x400",
       "name = PostMessage\nWindowClass = VTRL_MAINWND\nMessage = 1036\nWparam = 7\n"
       "Lparam = -1",
       "name = PostMessage"});
  EXPECT_THAT(lines_, ElementsAre("message: NoSuchClass 0 0 1024",
                                  "message: VTRL_MAINWND 1036 7 -1", "message:  0 0 0"));
}

TEST_F(SystemActionsTest, LaunchHtmlTakesTheVariableWhenItHoldsText) {
  SetText("Page", "|Base|/index.htm");
  SetText("Base", "file:///media/cd/html");
  ActionResult r;
  fx_.variables.FindOrCreateInScope(0, "Number", r)->value = platform::Variant::I4(3);
  Run({"name = LaunchHtml\nvariableName = Page\npath = fallback.htm",
       "name = LaunchHtml\nvariableName = Number\npath = |Base|/n.htm",
       "name = LaunchHtml\nvariableName = Missing\npath = http://x.invalid/?a=1;b=$(c)"});
  EXPECT_THAT(lines_, ElementsAre("open: file:///media/cd/html/index.htm",
                                  "open: file:///media/cd/html/n.htm",
                                  "open: http://x.invalid/?a=1;b=$(c)"));
}

TEST_F(SystemActionsTest, LaunchInternetExplorerTurnsBackslashesOrFallsBackToThePath) {
  SetText("Dir", "C:\\Docs");
  const std::string item = "name = LaunchInternetExplorer\npath = |Dir|\\a.htm";
  Run({"name = LaunchInternetExplorer\npath = C:\\Docs\\a.htm", item});
  services_.web_window = false;
  script_->Run(fx_.context);
  // Without the window, "path" as written, not the expanded address.
  EXPECT_THAT(lines_, ElementsAre("web: C:/Docs/a.htm", "web: C:/Docs/a.htm",
                                  "shell: C:/Docs/a.htm", "shell: |Dir|/a.htm"));
}

TEST_F(SystemActionsTest, SaveToFileInTheTemporaryDirectory) {
  fx_.load.system_dirs.temp = dir_.string() + "/";
  const std::string path = (dir_ / "prefs.kps").string();
  fx_.files.WriteFile(path, "[VTRL Archive]\r\nold = kept\r\n");
  ActionResult r;
  fx_.variables.FindOrCreateInScope(0, "Flag", r)->value = platform::Variant::Bool(true);
  Run(
      {"name = SaveToFile\nuseTemDir = true\npath = prefs\nkey = seen\nvariable = Flag\n"
       "value = not used"});
  EXPECT_THAT(lines_, ElementsAre("save: " + path + " seen TRUE"));
  EXPECT_THAT(services_.saved, ElementsAre("[VTRL Archive]", "seen = TRUE", "old = kept"));

  // A variable that does not exist writes nothing, but the file is still rewritten.
  lines_.clear();
  Run({"name = SaveToFile\nuseTemDir = true\npath = prefs\nkey = k\nvariable = Missing"});
  EXPECT_THAT(lines_, ElementsAre("save: " + path));
  EXPECT_THAT(services_.saved, ElementsAre("[VTRL Archive]", "old = kept"));

  // Without a variable, the text; without useTemDir ("TRUE" is not true), the path as written.
  lines_.clear();
  Run({"name = SaveToFile\nuseTemDir = TRUE\npath = " + path + "\nkey = k\nvalue = v 1"});
  EXPECT_THAT(lines_, ElementsAre("save: " + path + " k v 1"));
}

TEST_F(SystemActionsTest, RegisterActiveXChoosesTheFileAndTheWay) {
  fx_.load.system_dirs.system = "/usr/lib/";
  const std::string source = dir_.string() + "/ctl.so";
  fx_.files.WriteFile(source, "library");
  const std::string rel = source.substr(1);
  fx_.load.paths.document_dir = "/";
  EXPECT_EQ(Run({"name = RegisterActiveX\nFilename = \\" + rel +
                     "\nUnregister = true\nCopyToSystem = true",
                 "name = RegisterActiveX\nFilename = " + rel + "\nCopyToSystem = true",
                 "name = RegisterActiveX\nFilename = D:\\Cd\\viewer.EXE\nUnregister = true"}),
            ActionResult::kContinue);
  EXPECT_THAT(lines_, ElementsAre("unregister: /usr/lib/ctl.so", "register: /usr/lib/ctl.so",
                                  "unregister: D:\\Cd\\viewer.EXE"));
  const auto* copy = dynamic_cast<const CRegisterActiveXAction*>(script_->items().at(1).get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->control().copy_from, source);
  EXPECT_FALSE(copy->control().server);
  const auto* server = dynamic_cast<const CRegisterActiveXAction*>(script_->items().at(2).get());
  EXPECT_TRUE(server->control().server);
  EXPECT_TRUE(server->control().copy_from.empty());

  // A missing source of a copy, or no file name at all, answers kObjectMissing: the run ends.
  lines_.clear();
  EXPECT_EQ(Run({"name = RegisterActiveX\nFilename = missing.so\nCopyToSystem = true",
                 "name = PlaySound\npath = never.wav"}),
            ActionResult::kObjectMissing);
  EXPECT_EQ(Run({"name = RegisterActiveX\nUnregister = true", "name = PlaySound"}),
            ActionResult::kObjectMissing);
  EXPECT_THAT(lines_, IsEmpty());
}

// The program names the user's plug-in folder for controls copied "to the system"; the
// system directory itself (the documents' SYS) stays what it was.
TEST_F(SystemActionsTest, RegisterActiveXCopiesIntoTheControlFolderWhenThereIsOne) {
  fx_.load.system_dirs.system = "/usr/lib/";
  fx_.load.system_dirs.controls = "/home/u/.local/share/panorel/controls/";
  fx_.files.WriteFile(dir_.string() + "/ctl.so", "library");
  fx_.load.paths.document_dir = dir_.string() + "/";
  Run({"name = RegisterActiveX\nFilename = ctl.so\nCopyToSystem = true",
       "name = RegisterActiveX\nFilename = sub\\ctl.so\nCopyToSystem = true\nUnregister = true"});
  EXPECT_THAT(lines_, ElementsAre("register: /home/u/.local/share/panorel/controls/ctl.so",
                                  "unregister: /home/u/.local/share/panorel/controls/ctl.so"));
}

TEST_F(SystemActionsTest, WithoutServicesNothingHappensAndRegistrationFails) {
  fx_.context.system = nullptr;
  EXPECT_EQ(Run({"name = RunProgram\npath = a", "name = ShellExecute\npath = a",
                 "name = SaveToFile\npath = " + (dir_ / "x").string() + "\nkey = k\nvalue = v",
                 "name = InternalCommand\ncommand = NextPage"}),
            ActionResult::kContinue);
  EXPECT_EQ(host_.requests.size(), 1u);
  EXPECT_FALSE(fs::exists(dir_ / "x"));
  EXPECT_EQ(Run({"name = RegisterActiveX\nFilename = a.so"}), ActionResult::kObjectMissing);
}

TEST(EchoingSystemServices, PerformsAndReportsTheSameLines) {
  std::vector<std::string> performed;
  std::vector<std::string> echoed;
  platform::MemoryFileSystem files;
  RecordingServices inner(performed, files);
  inner.web_window = false;
  EchoingSystemServices echo(inner, [&](const std::string& line) { echoed.push_back(line); });
  echo.Perform(request::RunProgram{"/a", "b"});
  echo.Perform(request::Report{"command: Exit "});
  // The shell call that follows reports instead.
  EXPECT_FALSE(echo.Perform(request::OpenWebWindow{"x"}));
  EXPECT_TRUE(echo.Perform(request::RegisterControl{"/a.so", "", false, true}));
  EXPECT_THAT(performed, ElementsAre("run: /a b", "command: Exit ", "unregister: /a.so"));
  EXPECT_EQ(echoed, performed);
  inner.web_window = true;
  EXPECT_TRUE(echo.Perform(request::OpenWebWindow{"y"}));
  EXPECT_EQ(echoed.back(), "web: y");
}

// A dry run has no window: a drag is neither made nor told, and the script goes on.
TEST(PrintingSystemServices, ADragIsNotDoneNorTold) {
  std::vector<std::string> lines;
  PrintingSystemServices printing([&](const std::string& line) { lines.push_back(line); });
  EXPECT_FALSE(printing.Perform(request::DragFile{"/cd/a.pdf", request::kDropEffectCopy}));
  // Without a way to look, a copy's source is taken as there.
  EXPECT_TRUE(printing.Perform(request::RegisterControl{"/lib/a.so", "/no/such.so"}));
  EXPECT_THAT(lines, ElementsAre("register: /lib/a.so"));
}

TEST_F(SystemActionsTest, DragFileOffersThePathAsWrittenForCopyOrLinkAndTheScriptGoesOn) {
  services_.cancel = true;
  EXPECT_EQ(Run({"name = DragFile\npath = Docs\\100%.txt",
                 "name = DragFile\npath = /media/cd/%DATA%/a b.pdf", "name = DragFile",
                 "name = InternalCommand\ncommand = nothing"}),
            ActionResult::kContinue);
  // Not resolved, not expanded (a "\" separates folders); an empty path is offered too;
  // copy (1) and link (4), never move (2).
  EXPECT_THAT(services_.drags, ElementsAre("Docs/100%.txt 5", "/media/cd/%DATA%/a b.pdf 5", " 5"));
  EXPECT_THAT(lines_, ElementsAre("command: nothing "));
}

TEST_F(SystemActionsTest, DragFileRefusesAPathLongerThanTheShellsFileListHeldAndSaysSo) {
  const std::string longest = "/" + std::string(CDragAction::kMaxDragPath - 1, 'a');
  Run({"name = DragFile\npath = " + longest, "name = DragFile\npath = " + longest + "b"});
  EXPECT_THAT(services_.drags, ElementsAre(longest + " 5"));
  EXPECT_THAT(lines_,
              ElementsAre("drag refused, the path has more than 259 bytes: " + longest + "b"));
  // Without services (no window) nothing is dragged, and nothing fails.
  fx_.context.system = nullptr;
  EXPECT_EQ(Run({"name = DragFile\npath = a.txt"}), ActionResult::kContinue);
  EXPECT_EQ(services_.drags.size(), 1u);
}

TEST_F(SystemActionsTest, DragFileRegistryFormReadsTheValueWhenTheDocumentLoads) {
  platform::MemoryRegistry registry;
  fx_.load.registry = &registry;
  ASSERT_TRUE(registry.WriteString("Software\\Corvane\\Cd", "Brochure", "/cd/brochure.pdf"));
  ASSERT_TRUE(registry.WriteString("Software\\Corvane\\Cd", "Long", std::string(260, 'l')));
  const std::string form =
      "name = DragFile\nflag = registry\nregistryKey = Software\\Corvane\\Cd\n"
      "path = /ignored\nregistryValueName = ";
  Run({form + "Brochure", form + "Missing", form + "Long",
       "name = DragFile\nflag = Registry\npath = /cd/own.txt"});
  // A value that does not fit 260 bytes reads as nothing; only "registry" is the flag.
  EXPECT_THAT(services_.drags, ElementsAre("/cd/brochure.pdf 5", " 5", " 5", "/cd/own.txt 5"));
}

}  // namespace
}  // namespace browser
