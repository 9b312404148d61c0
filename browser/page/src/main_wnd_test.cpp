// The main window without a window: finding and loading documents, the requests scripts
// post, the mouse and the trace.
#include "browser/page/main_wnd.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "browser/doc/cdz_writer.h"
#include "browser/script/printing_system_services.h"
#include "main_wnd_fixture.h"

namespace browser {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A page document with a title and the given extra lines in Main.
std::string Page(const std::string& title, const std::string& main_lines = "",
                 const std::string& rest = "") {
  return "[Main]\r\ntitle = " + title + "\r\nappbar = false\r\nwidth = 300\r\nheight = 200\r\n" +
         main_lines + rest;
}

class MainWndTest : public testing::MainWndFixture {
 protected:
  void Container(const std::string& name, std::vector<CdzMember> members) {
    for (auto& m : members) {
      if (m.text.empty() || m.text.back() != '\n') m.text += "\n";
    }
    ASSERT_TRUE(WriteCdz(dir_.files, dir_.Path(name), members, false).ok());
  }
  std::vector<std::string> Loads() { return TraceLinesStarting("load|", 5); }
};

TEST_F(MainWndTest, ANamedContainerShowsItsFirstMemberThenPrefersTheScreenWidth) {
  Container("show.cdz", {{"intro.cdb", Page("Intro", "numScripts = 1\r\n",
                                            "[Script_1]\r\nname = OnLoad\r\nnumScriptItems = 1\r\n"
                                            "[Script_1_ScriptItem_1]\r\nname = InternalCommand\r\n"
                                            "command = changepage\r\nparameters = show.cdz\r\n")},
                         {"show.cdb", Page("Show")},
                         {"show1024.cdb", Page("Wide")}});
  CMainWnd& wnd = Make();
  ASSERT_TRUE(wnd.StartupLoad(dir_.Path("show.cdz"))) << wnd.last_error();
  EXPECT_EQ(wnd.title(), "Intro");
  EXPECT_EQ(wnd.document_dir(), dir_.Path(""));
  EXPECT_TRUE(window_.shown);
  // The change waits for the script to end.
  ASSERT_EQ(window_.posted.size(), 1u);
  EXPECT_EQ(window_.posted[0].document, "show.cdz");
  Pump();
  EXPECT_EQ(wnd.title(), "Wide");
  EXPECT_THAT(Loads(), ElementsAre("intro.cdb", "show1024.cdb"));
  EXPECT_EQ(wnd.resolution_member(), "show1024.cdb");
}

TEST_F(MainWndTest, WithoutANameTheProgramsContainerAndItsMembersInOrder) {
  Container("browser.cdz", {{"first.cdb", Page("First")},
                            {"browser.cdb", Page("Named")},
                            {"browser1024.cdb", Page("Wide")}});
  ASSERT_TRUE(Make().StartupLoad(""));
  EXPECT_EQ(wnd_->title(), "Wide");

  Container("browser.cdz", {{"first.cdb", Page("First")}, {"browser.cdb", Page("Named")}});
  ASSERT_TRUE(Make().StartupLoad(""));
  EXPECT_EQ(wnd_->title(), "Named");

  Container("browser.cdz", {{"first.cdb", Page("First")}, {"other.cdb", Page("Other")}});
  ASSERT_TRUE(Make().StartupLoad(""));
  EXPECT_EQ(wnd_->title(), "First");
  // A name that is no file stands for a member of the program's container: none is called
  // so, and the load fails naming what it looked for.
  EXPECT_FALSE(Make().StartupLoad("missing.cdz"));
  EXPECT_THAT(wnd_->last_error(), HasSubstr("missing.cdb"));
}

TEST_F(MainWndTest, NothingToShowEndsWithAReason) {
  CMainWnd& wnd = Make();
  EXPECT_FALSE(wnd.StartupLoad(""));
  EXPECT_THAT(wnd.last_error(), HasSubstr("browser.cdz"));
  EXPECT_FALSE(window_.shown);
  dir_.Write(dir_.Path("junk.cdz"), "not a container");
  EXPECT_FALSE(Make().StartupLoad(dir_.Path("junk.cdz")));
  EXPECT_THAT(wnd_->last_error(), HasSubstr("junk.cdz"));
  // A name that is neither a file nor a member of the program's container is named as typed.
  Container("browser.cdz", {{"show.cdb", Page("Show")}});
  EXPECT_FALSE(Make().StartupLoad("nope.cdz"));
  EXPECT_THAT(wnd_->last_error(), HasSubstr("nope.cdz: no such document, nor a member nope.cdb"));
}

TEST_F(MainWndTest, ASecondCopyForTheSameTitleStopsQuietly) {
  Container("show.cdz", {{"show.cdb", Page("Show")}});
  window_.other_instance = true;
  CMainWnd& wnd = Make();
  EXPECT_FALSE(wnd.StartupLoad(dir_.Path("show.cdz")));
  EXPECT_EQ(wnd.last_error(), "");
  EXPECT_EQ(TraceLines().back(), "handover|sent|Show");
  // A page change never asks again.
  window_.other_instance = false;
  ASSERT_TRUE(wnd.StartupLoad(dir_.Path("show.cdz")));
  window_.other_instance = true;
  wnd.HandleRequest({PageRequest::Kind::kReload, {}});
  EXPECT_FALSE(window_.closed);
  // The copy that runs hears of the one that stepped back.
  wnd.OtherInstanceStarted();
  EXPECT_EQ(TraceLines().back(), "handover|received|Show");
}

// An icon is read only from a regular file: a pipe would keep the load waiting.
TEST_F(MainWndTest, AnIconThatIsNoRegularFileGivesTheProgramsOwn) {
  dir_.files.MakeOther(dir_.Path("pipe.ico"));
  dir_.Write(dir_.Path("show.ico"), "icon");
  Container("show.cdz", {{"a.cdb", Page("A", "icon = pipe.ico\r\n")},
                         {"b.cdb", Page("B", "icon = show.ico\r\n")}});
  CMainWnd& wnd = Make();
  ASSERT_TRUE(wnd.StartupLoad(dir_.Path("show.cdz")));
  wnd.HandleRequest({PageRequest::Kind::kNextDocument, {}});
  EXPECT_THAT(window_.log, ::testing::Contains("icon "));
  EXPECT_THAT(window_.log, ::testing::Contains("icon " + dir_.Path("show.ico")));
  EXPECT_THAT(window_.log, ::testing::Not(::testing::Contains("icon " + dir_.Path("pipe.ico"))));
}

TEST_F(MainWndTest, NextAndPreviousWalkTheContainerAndWrap) {
  Container("show.cdz", {{"a.cdb", Page("A")}, {"b.cdb", Page("B")}, {"c.cdb", Page("C")}});
  CMainWnd& wnd = Make();
  ASSERT_TRUE(wnd.StartupLoad(dir_.Path("show.cdz")));
  wnd.HandleRequest({PageRequest::Kind::kNextDocument, {}});
  EXPECT_EQ(wnd.title(), "B");
  wnd.HandleRequest({PageRequest::Kind::kPreviousDocument, {}});
  wnd.HandleRequest({PageRequest::Kind::kPreviousDocument, {}});
  EXPECT_EQ(wnd.title(), "C");
  wnd.HandleRequest({PageRequest::Kind::kNextDocument, {}});
  EXPECT_EQ(wnd.title(), "A");
  EXPECT_THAT(Loads(), ElementsAre("a.cdb", "b.cdb", "a.cdb", "c.cdb", "a.cdb"));
}

TEST_F(MainWndTest, NothingQueuedBehindExitRunsButTheUnload) {
  const std::string script =
      "[Script_1]\r\nname = OnLoad\r\nnumScriptItems = 2\r\n"
      "[Script_1_ScriptItem_1]\r\nname = InternalCommand\r\ncommand = Exit\r\n"
      "[Script_1_ScriptItem_2]\r\nname = InternalCommand\r\ncommand = NextPage\r\n"
      "[Script_2]\r\nname = OnUnload\r\nnumScriptItems = 1\r\n"
      "[Script_2_ScriptItem_1]\r\nname = InternalCommand\r\ncommand = minimize\r\n";
  Container("show.cdz", {{"a.cdb", Page("A", "numScripts = 2\r\n", script)}, {"b.cdb", Page("B")}});
  CMainWnd& wnd = Make();
  ASSERT_TRUE(wnd.StartupLoad(dir_.Path("show.cdz")));
  Pump();
  EXPECT_TRUE(window_.closed);
  // A reload or another page asked for after the exit changes nothing either.
  wnd.HandleRequest({PageRequest::Kind::kReload, {}});
  wnd.HandleWindowMessage(1038);
  wnd.DisplayChanged();
  Pump();
  EXPECT_THAT(Loads(), ElementsAre("a.cdb"));
  EXPECT_EQ(wnd.title(), "A");
  EXPECT_THAT(window_.log, ::testing::Not(::testing::Contains("minimize")));
  wnd.Destroy();
  EXPECT_THAT(window_.log, ::testing::Contains("minimize"));
}

// What the X server does with a document's PostMessage: the message reaches the main window.
class PostingToTheWindow : public PrintingSystemServices {
 public:
  PostingToTheWindow() : PrintingSystemServices([](const std::string&) {}) {}
  bool Perform(const SystemRequest& request) override {
    const auto* post = std::get_if<request::PostWindowMessage>(&request);
    if (post != nullptr && post->window_class == "VTRL_MAINWND") {
      wnd->HandleWindowMessage(static_cast<uint32_t>(post->message));
    }
    return true;
  }
  CMainWnd* wnd = nullptr;
};

TEST_F(MainWndTest, EveryPrivateMessageIsHandledWhoeverPostsIt) {
  // Each page posts one message on a click: a at "Next", b at "Prev", c at "Front".
  auto posting = [](const std::string& title, int message) {
    return Page(title, "numScripts = 1\r\n",
                "[Script_1]\r\nname = " + title + "\r\nnumScriptItems = 1\r\n"
                "[Script_1_ScriptItem_1]\r\nname = PostMessage\r\nWindowClass = VTRL_MAINWND\r\n"
                "Message = " + std::to_string(message) + "\r\n");
  };
  Container("show.cdz", {{"a.cdb", posting("Next", 1038)}, {"b.cdb", posting("Prev", 1039)},
                         {"c.cdb", posting("Front", 1037)}});
  PostingToTheWindow services;
  CMainWnd::Services s{window_, dir_.files};
  s.pictures = &pictures_;
  s.program_path = dir_.Path("browser");
  s.trace = Trace(trace_file_);
  s.system_services = &services;
  wnd_ = std::make_unique<CMainWnd>(ids_, std::move(s));
  services.wnd = wnd_.get();
  CMainWnd& wnd = *wnd_;
  ASSERT_TRUE(wnd.StartupLoad(dir_.Path("show.cdz")));
  auto fire = [&](const char* event) {
    wnd.main_page()->RunScriptByName(event, wnd.script_context());
    Pump();
  };
  fire("Next");
  EXPECT_EQ(wnd.title(), "Prev");
  fire("Prev");
  EXPECT_EQ(wnd.title(), "Next");
  wnd.HandleWindowMessage(1039);
  Pump();
  EXPECT_EQ(wnd.title(), "Front");
  fire("Front");
  EXPECT_THAT(window_.log, ::testing::Contains("front"));
  // The reload, the start-up load and an open without a name from another program.
  wnd.HandleWindowMessage(1036);
  wnd.HandleWindowMessage(1035);
  wnd.HandleWindowMessage(1034);
  wnd.HandleWindowMessage(2);
  Pump();
  EXPECT_THAT(Loads(), ElementsAre("a.cdb", "b.cdb", "a.cdb", "c.cdb", "c.cdb", "a.cdb"));
  EXPECT_FALSE(window_.closed);
  wnd.HandleWindowMessage(16);
  EXPECT_TRUE(window_.closed);
}

TEST_F(MainWndTest, NextWithOneDataFileDoesNothingAtAll) {
  Container("show.cdz", {{"show.cdb", Page("Show")}});
  CMainWnd& wnd = Make();
  ASSERT_TRUE(wnd.StartupLoad(dir_.Path("show.cdz")));
  window_.shown = false;
  wnd.HandleRequest({PageRequest::Kind::kNextDocument, {}});
  wnd.HandleRequest({PageRequest::Kind::kPreviousDocument, {}});
  EXPECT_THAT(Loads(), ElementsAre("show.cdb"));
  EXPECT_FALSE(window_.shown);
}

TEST_F(MainWndTest, ScriptCommandsAreRequestsHandledAfterTheScript) {
  const std::string script =
      "[Script_1]\r\nname = OnLoad\r\nnumScriptItems = 5\r\n"
      "[Script_1_ScriptItem_1]\r\nname = InternalCommand\r\ncommand = exit\r\n"
      "[Script_1_ScriptItem_2]\r\nname = InternalCommand\r\ncommand = NEXTPAGE\r\n"
      "[Script_1_ScriptItem_3]\r\nname = InternalCommand\r\ncommand = ChangePage\r\n"
      "parameters = other.cdz\r\n"
      "[Script_1_ScriptItem_4]\r\nname = InternalCommand\r\ncommand = minimize\r\n"
      "[Script_1_ScriptItem_5]\r\nname = InternalCommand\r\ncommand = Exit\r\n";
  Container("show.cdz", {{"show.cdb", Page("Show", "numScripts = 1\r\n", script)}});
  CMainWnd& wnd = Make();
  ASSERT_TRUE(wnd.StartupLoad(dir_.Path("show.cdz")));
  // "exit" in lower case does nothing; the rest wait.
  ASSERT_EQ(window_.posted.size(), 3u);
  EXPECT_EQ(window_.posted[0].kind, PageRequest::Kind::kNextDocument);
  EXPECT_EQ(window_.posted[1].kind, PageRequest::Kind::kOpenDocument);
  EXPECT_EQ(window_.posted[2].kind, PageRequest::Kind::kExit);
  EXPECT_THAT(window_.log, ::testing::Contains("minimize"));
  EXPECT_FALSE(window_.closed);
  Pump();
  EXPECT_TRUE(window_.closed);
  const auto lines = TraceLines();
  EXPECT_THAT(lines, ::testing::Contains("event|PreLoad|Main|none"));
  EXPECT_THAT(lines, ::testing::Contains("event|OnLoad|Main|ran"));
  EXPECT_THAT(lines, ::testing::Contains("action|InternalCommand|Script_1_ScriptItem_3|0"));
  EXPECT_THAT(lines, ::testing::Contains("request|Minimize"));
  EXPECT_THAT(lines, ::testing::Contains("request|ChangePage|other.cdz"));
  EXPECT_EQ(lines.back(), "request|Exit");
}

// The system services the program hands in reach the scripts (paths prepared with the
// program's temporary directory), and an event that spends its work budget says so in the
// trace with its name; the next event runs with a fresh budget.
TEST_F(MainWndTest, ScriptsReachTheHandedInServicesAndASpentBudgetIsTraced) {
  const std::string scripts =
      "[Script_1]\r\nname = PreLoad\r\nnumScriptItems = 1\r\n"
      "[Script_1_ScriptItem_1]\r\nname = SetVariable\r\nvarName = A\r\nvalue = |B|x|A|\r\n"
      "[Script_2]\r\nname = OnLoad\r\nnumScriptItems = 2\r\n"
      "[Script_2_ScriptItem_1]\r\nname = Modify Variable\r\ntargetVar = A\r\n"
      "[Script_2_ScriptItem_2]\r\nname = ExecuteGlobalScript\r\nscriptName = OnLoad\r\n"
      "[Script_3]\r\nname = Saved\r\nnumScriptItems = 1\r\n"
      "[Script_3_ScriptItem_1]\r\nname = SaveToFile\r\nuseTemDir = true\r\n"
      "path = keep\r\nkey = k\r\nvalue = v\r\n";
  Container("show.cdz", {{"show.cdb", Page("Show", "numScripts = 3\r\n", scripts)}});
  std::vector<std::string> done;
  PrintingSystemServices system([&done](const std::string& line) { done.push_back(line); });
  CMainWnd::Services services{window_, dir_.files};
  services.pictures = &pictures_;
  services.program_path = dir_.Path("browser");
  services.trace = Trace(trace_file_);
  services.system.temp = "/var/tmp/cd/";
  services.system_services = &system;
  wnd_ = std::make_unique<CMainWnd>(ids_, std::move(services));
  ASSERT_TRUE(wnd_->StartupLoad(dir_.Path("show.cdz")));
  const auto lines = TraceLines();
  ASSERT_GE(lines.size(), 3u);
  // PreLoad is an event like the others, told before its items run.
  EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.begin() + 3),
              ElementsAre("load|show.cdb", "event|PreLoad|Main|ran",
                          "action|SetVariable|Script_1_ScriptItem_1|0"));
  EXPECT_THAT(lines, ::testing::Contains("budget|OnLoad"));
  wnd_->main_page()->RunScriptByName("Saved", wnd_->script_context());
  EXPECT_THAT(done, ElementsAre("save: /var/tmp/cd/keep.kps k v"));
}

TEST_F(MainWndTest, TheLoadReadsAScaledCopyAndLeavesTheContainerAlone) {
  Container("show.cdz",
            {{"show.cdb", Page("Show", "xres = 800\r\nyres = 600\r\nresize = 1\r\n")}});
  window_.screen = {1024, 768};
  CMainWnd& wnd = Make();
  ASSERT_TRUE(wnd.StartupLoad(dir_.Path("show.cdz")));
  EXPECT_EQ(window_.style.client, (Size{384, 256}));  // 300 x 1.28, 200 x 1.28
  std::string width;
  wnd.current_file()->ReadString("Main", "width", width);
  EXPECT_EQ(width, "300");
  // A new screen size scales the same data file afresh.
  window_.screen = {640, 480};
  wnd.DisplayChanged();
  EXPECT_EQ(window_.style.client, (Size{240, 160}));
}

TEST_F(MainWndTest, WindowTypePersistsAndADocumentIsAnAppBarUnlessItSaysNot) {
  Container("show.cdz", {{"a.cdb", Page("A", "windowType = 2\r\n")},
                         {"b.cdb", Page("B")},
                         {"c.cdb", "[Main]\r\ntitle = C\r\nwidth = 40\r\n"}});
  CMainWnd& wnd = Make();
  ASSERT_TRUE(wnd.StartupLoad(dir_.Path("show.cdz")));
  EXPECT_EQ(window_.style.window_type, 2);
  wnd.HandleRequest({PageRequest::Kind::kNextDocument, {}});
  EXPECT_EQ(window_.style.window_type, 2);
  EXPECT_FALSE(wnd.is_appbar());
  wnd.HandleRequest({PageRequest::Kind::kNextDocument, {}});
  EXPECT_TRUE(wnd.is_appbar());
  EXPECT_THAT(window_.log, ::testing::Contains("appbar 984,0,1024,768"));
  wnd.OtherInstanceStarted();
  EXPECT_THAT(window_.log, ::testing::Contains("message C: C is already running."));
}

class MouseTest : public MainWndTest {
 protected:
  void SetUp() override {
    const std::string elements =
        "[Element_1]\r\ntype = Text\r\nid = button\r\ncursor = hand\r\nxpos = 10\r\nypos = 10\r\n"
        "width = 50\r\nheight = 20\r\nnumScripts = 4\r\n" +
        Script("Element_1_Script_1", "OnMouseDown") + Script("Element_1_Script_2", "OnMouseUp") +
        Script("Element_1_Script_3", "OnMouseIn") + Script("Element_1_Script_4", "OnMouseOut") +
        "[Element_2]\r\ntype = Text\r\nid = handle\r\nmouseMoveable = true\r\nxpos = 100\r\n"
        "ypos = 100\r\nwidth = 20\r\nheight = 20\r\n";
    Container("show.cdz", {{"show.cdb", Page("Show", "numElements = 2\r\nmouseMove = true\r\n",
                                             elements)}});
    ASSERT_TRUE(Make().StartupLoad(dir_.Path("show.cdz")));
  }
  static std::string Script(const std::string& section, const std::string& event) {
    return "[" + section + "]\r\nname = " + event + "\r\nnumScriptItems = 1\r\n[" + section +
           "_ScriptItem_1]\r\nname = SetVariable\r\nvarName = " + event + "\r\nvalue = x\r\n";
  }
  std::vector<std::string> Events() { return TraceLinesStarting("event|OnMouse", 6); }
};

TEST_F(MouseTest, PressAndReleaseOverTheSameElement) {
  wnd_->MouseMove({20, 20}, false);
  EXPECT_EQ(window_.cursor, CursorShape::kHand);
  wnd_->MousePress({20, 20});
  EXPECT_TRUE(wnd_->pressed()->IsPressed());
  wnd_->MouseRelease({21, 21});
  EXPECT_EQ(wnd_->pressed(), nullptr);
  wnd_->MouseMove({200, 150}, false);
  EXPECT_EQ(window_.cursor, CursorShape::kArrow);
  // The element is named by its id too, and so is the object whose script an action is in.
  EXPECT_THAT(Events(),
              ElementsAre("OnMouseIn|Element_1|ran|button", "OnMouseDown|Element_1|ran|button",
                          "OnMouseUp|Element_1|ran|button", "OnMouseOut|Element_1|ran|button"));
  EXPECT_THAT(TraceLines(),
              ::testing::Contains("action|SetVariable|Element_1_Script_1_ScriptItem_1|0|button"));
}

TEST_F(MouseTest, ReleaseElsewhereFiresNoMouseUp) {
  wnd_->MousePress({20, 20});
  wnd_->MouseRelease({200, 150});
  wnd_->MousePress({200, 150});  // the page itself is no element
  wnd_->MouseRelease({20, 20});
  EXPECT_THAT(Events(), ElementsAre("OnMouseDown|Element_1|ran|button"));
  EXPECT_EQ(wnd_->document().variables().FindVariable("OnMouseUp"), nullptr);
}

TEST_F(MouseTest, DraggingMovesTheWindowAndStopsAtTheScreenEdges) {
  // The window is 300 x 200, centred on 1024 x 768 at (362, 284).
  ASSERT_EQ(window_.window.left, 362);
  wnd_->MousePress({150, 150});  // the page: drags
  EXPECT_THAT(window_.log, ::testing::Contains("capture"));
  wnd_->MouseMove({160, 140}, true);
  EXPECT_EQ(window_.window.left, 372);
  EXPECT_EQ(window_.window.top, 274);
  wnd_->MouseMove({-2000, -2000}, true);
  EXPECT_EQ(window_.window.left, 0);
  EXPECT_EQ(window_.window.top, 0);
  wnd_->MouseMove({5000, 5000}, true);
  EXPECT_EQ(window_.window.left, 1024 - 300);
  EXPECT_EQ(window_.window.top, 768 - 200);
  wnd_->MouseRelease({5000, 5000});
  EXPECT_THAT(window_.log, ::testing::Contains("release"));

  // A press on an element that is not movable does not drag; one that is does.
  window_.log.clear();
  wnd_->MousePress({20, 20});
  wnd_->MouseMove({40, 40}, true);
  EXPECT_EQ(window_.window.left, 1024 - 300);
  EXPECT_EQ(window_.cursor, CursorShape::kArrow);
  wnd_->MouseRelease({40, 40});
  wnd_->MousePress({105, 105});
  wnd_->MouseMove({95, 105}, true);
  EXPECT_EQ(window_.window.left, 1024 - 310);
  // Without the left button alone nothing moves.
  wnd_->MouseMove({0, 0}, false);
  EXPECT_EQ(window_.window.left, 1024 - 310);
}

}  // namespace
}  // namespace browser
