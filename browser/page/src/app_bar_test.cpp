#include "browser/page/app_bar.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "page_test_support.h"
#include "platform/memory_registry.h"
#include "platform/recording_appbar.h"

namespace browser {
namespace {

using platform::AppBarEdge;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;

std::string Describe(const Rect& r) { return testing::Describe(r); }

class FakeBarWindow : public AppBarWindow {
 public:
  platform::AppBarWindowId id = 7;
  Rect rect{0, 0, 300, 200};
  Size screen{1024, 768};
  Rect work{0, 0, 1024, 768};
  Point cursor{500, 400};
  Foreground front = Foreground::kOther;
  bool topmost = false;
  bool bar_style = false;
  std::vector<std::string> log;       // "rect L,T,R,B", "move X,Y"
  std::vector<std::string> warnings;  // "CAPTION: TEXT"

  platform::AppBarWindowId Id() const override { return id; }
  Rect WindowRect() const override { return rect; }
  void SetRect(const Rect& r) override {
    rect = r;
    log.push_back("rect " + Describe(r));
  }
  void MoveTo(Point p) override {
    rect = {p.x, p.y, p.x + rect.right - rect.left, p.y + rect.bottom - rect.top};
    log.push_back("move " + std::to_string(p.x) + "," + std::to_string(p.y));
  }
  void SetTopmost(bool on) override { topmost = on; }
  void SetBarStyle(bool bar) override { bar_style = bar; }
  void Redraw() override {}
  Size ScreenSize() const override { return screen; }
  Rect WorkArea() const override { return work; }
  Point CursorPos() const override { return cursor; }
  Foreground ForegroundWindow() const override { return front; }
  void ShowWarning(const std::string& caption, const std::string& text) override {
    warnings.push_back(caption + ": " + text);
  }
};

// Timers fire in time order as the clock is advanced, each at its interval after it started
// or last fired.
class FakeClock : public AppBarClock {
 public:
  AppBarManager* manager = nullptr;
  int64_t now = 1000;

  int64_t NowMs() const override { return now; }
  void StartTimer(AppBarTimer timer, int32_t interval_ms) override {
    timers_[timer] = {interval_ms, now + interval_ms};
  }
  void KillTimer(AppBarTimer timer) override { timers_.erase(timer); }
  bool Running(AppBarTimer timer) const { return timers_.count(timer) != 0; }

  void Advance(int64_t ms) {
    const int64_t end = now + ms;
    for (;;) {
      auto next = timers_.end();
      for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->second.due <= end && (next == timers_.end() || it->second.due < next->second.due))
          next = it;
      }
      if (next == timers_.end()) break;
      now = next->second.due;
      next->second.due += next->second.interval;
      manager->TimerFired(next->first);
    }
    now = end;
  }

 private:
  struct Timer {
    int32_t interval;
    int64_t due;
  };
  std::map<AppBarTimer, Timer> timers_;
};

class AppBarTest : public ::testing::Test {
 protected:
  AppBarTest() { clock_.manager = &manager_; }

  // Applies a document's "Main" keys as the load does, "OnLoad" included.
  void Load(const std::string& main_keys, const platform::RegistryStore* registry = nullptr) {
    const CDataFile file = testing::Document("[Main]\ntitle = Bar\n" + main_keys);
    manager_.DocumentUnloading();
    manager_.ApplySettings(ReadAppBarSettings(file, registry));
    manager_.DocumentLoaded();
  }

  platform::RecordingAppBarDesktop desktop_;
  platform::RecordingAppBarService service_{desktop_};
  FakeBarWindow window_;
  FakeClock clock_;
  AppBarManager manager_{service_, window_, clock_};
};

TEST_F(AppBarTest, ADocumentWithoutAppbarIsARightBarOnTopReservingItsSpace) {
  Load("");
  EXPECT_TRUE(manager_.is_bar());
  EXPECT_TRUE(window_.bar_style);
  EXPECT_TRUE(window_.topmost);
  EXPECT_TRUE(manager_.registered());
  EXPECT_EQ(Describe(window_.rect), "824,0,1024,768");
  ASSERT_EQ(desktop_.bars.count(7), 1u);
  EXPECT_EQ(desktop_.bars[7].edge, AppBarEdge::kRight);
  EXPECT_EQ(desktop_.bars[7].reserved, (platform::AppBarRect{824, 0, 1024, 768}));
  EXPECT_THAT(service_.log, Contains("poschanged 7"));

  // The next document (not a bar) gives the space back and loses the style.
  Load("appbar = false");
  EXPECT_FALSE(manager_.is_bar());
  EXPECT_FALSE(manager_.registered());
  EXPECT_TRUE(desktop_.bars.empty());
  EXPECT_FALSE(window_.bar_style);
  EXPECT_FALSE(window_.topmost);
}

TEST_F(AppBarTest, EdgesThicknessAndWorkArea) {
  // A top bar spans the work area's width; a bar that is not on top reserves nothing.
  window_.work = {0, 0, 1000, 740};
  Load("position = top\nheight = 50\nAppBar_AlwaysOnTop = false");
  EXPECT_EQ(Describe(window_.rect), "0,0,1024,50");
  EXPECT_FALSE(window_.topmost);
  EXPECT_FALSE(manager_.registered());
  EXPECT_THAT(service_.log, Not(Contains(HasSubstr("new"))));
  EXPECT_EQ(manager_.width(), 1000);

  Load("Position = left\nwidth = 120");
  EXPECT_EQ(Describe(window_.rect), "0,0,120,768");
  EXPECT_EQ(manager_.height(), 740);
  Load("position = bottom\nheight = 30");
  EXPECT_EQ(Describe(window_.rect), "0,738,1024,768");
  // Names compare exactly: anything else is the right edge.
  Load("position = Left\nwidth = 90");
  EXPECT_EQ(manager_.edge(), AppBarEdge::kRight);
  EXPECT_EQ(Describe(window_.rect), "934,0,1024,768");
}

TEST_F(AppBarTest, ABarBesideAnotherOnTheSameEdgeStartsWhereTheOtherEnds) {
  desktop_.bars[99] = {AppBarEdge::kRight, {974, 0, 1024, 768}};
  Load("width = 100");
  EXPECT_EQ(Describe(window_.rect), "874,0,974,768");
}

TEST_F(AppBarTest, AutoHideHidesAfterLoadAndTheSlideOfALeftBarLeavesTwoPixels) {
  Load("position = left\nwidth = 200\nAppBar_AutoHide = true");
  EXPECT_TRUE(manager_.auto_hide());
  EXPECT_TRUE(manager_.hidden());
  EXPECT_TRUE(window_.topmost);
  EXPECT_FALSE(manager_.registered());  // an auto-hide bar reserves no space
  EXPECT_EQ(desktop_.auto_hide[AppBarEdge::kLeft], 7u);
  EXPECT_EQ(Describe(manager_.docked()), "0,0,200,768");
  window_.log.clear();

  // The window keeps its size and moves 198 pixels to the left in 400 ms.
  clock_.Advance(200);
  EXPECT_EQ(Describe(window_.rect), "-99,0,101,768");
  clock_.Advance(199);
  EXPECT_TRUE(manager_.sliding());
  EXPECT_EQ(window_.rect.right - window_.rect.left, 200);
  clock_.Advance(1);
  EXPECT_FALSE(manager_.sliding());
  EXPECT_EQ(Describe(window_.rect), "0,0,2,768");
  EXPECT_EQ(window_.log.back(), "rect 0,0,2,768");
  EXPECT_FALSE(clock_.Running(AppBarTimer::kSlide));
}

TEST_F(AppBarTest, TouchingTheHiddenStripShowsTheBarAndLeavingItHidesItAgain) {
  Load("width = 150\nAppBar_AutoHide = true");
  clock_.Advance(400);
  ASSERT_EQ(Describe(window_.rect), "1022,0,1024,768");

  // Passing over the strip: 50 ms later the pointer has gone, nothing happens.
  window_.cursor = {1023, 300};
  manager_.MouseOver();
  window_.cursor = {900, 300};
  clock_.Advance(100);
  EXPECT_TRUE(manager_.hidden());
  EXPECT_FALSE(manager_.sliding());

  // Staying on it: the bar grows from beside its place, in 200 ms.
  window_.cursor = {1023, 300};
  manager_.MouseOver();
  clock_.Advance(50);
  EXPECT_FALSE(manager_.hidden());
  EXPECT_EQ(Describe(window_.rect), "1022,0,1172,768");
  clock_.Advance(100);
  EXPECT_EQ(Describe(window_.rect), "948,0,1098,768");
  clock_.Advance(100);
  EXPECT_EQ(Describe(window_.rect), "874,0,1024,768");

  // The pointer stays in the bar: it stays. Another window in front and the pointer away: it
  // hides at the next check of timer 1.
  clock_.Advance(2000);
  EXPECT_FALSE(manager_.hidden());
  window_.cursor = {10, 10};
  clock_.Advance(500);
  EXPECT_TRUE(manager_.hidden());
  clock_.Advance(400);
  EXPECT_EQ(Describe(window_.rect), "1022,0,1024,768");
}

TEST_F(AppBarTest, TimerOneKeepsTheBarWhileItOrADialogItOwnsIsInFront) {
  Load("AppBar_AutoHide = true");
  clock_.Advance(400);
  manager_.ShowBar();
  clock_.Advance(200);
  window_.cursor = {0, 0};
  for (auto front : {AppBarWindow::Foreground::kOwnedByBar, AppBarWindow::Foreground::kBar,
                     AppBarWindow::Foreground::kNone}) {
    window_.front = front;
    clock_.Advance(1500);
    EXPECT_FALSE(manager_.hidden()) << static_cast<int>(front);
  }
  window_.front = AppBarWindow::Foreground::kOther;
  clock_.Advance(500);
  EXPECT_TRUE(manager_.hidden());
  EXPECT_FALSE(clock_.Running(AppBarTimer::kHide));
}

TEST_F(AppBarTest, AutoHideOnAnEdgeAnotherBarHoldsStaysVisibleAndNotOnTop) {
  desktop_.auto_hide[AppBarEdge::kRight] = 99;
  Load("width = 100\nAppBar_AutoHide = true");
  EXPECT_FALSE(manager_.auto_hide());
  EXPECT_FALSE(manager_.hidden());
  EXPECT_FALSE(window_.topmost);
  EXPECT_EQ(Describe(window_.rect), "924,0,1024,768");
  EXPECT_EQ(desktop_.auto_hide[AppBarEdge::kRight], 99u);
  clock_.Advance(5000);
  EXPECT_EQ(Describe(window_.rect), "924,0,1024,768");
}

TEST_F(AppBarTest, TwoProgramsOnOneDesktopCannotShareAnEdgesAutoHide) {
  FakeBarWindow other_window;
  other_window.id = 8;
  platform::RecordingAppBarService other_service{desktop_};
  FakeClock other_clock;
  AppBarManager other{other_service, other_window, other_clock};
  other_clock.manager = &other;

  Load("position = top\nAppBar_AutoHide = true");
  other.ApplySettings(ReadAppBarSettings(
      testing::Document("[Main]\nposition = top\nAppBar_AutoHide = true"), nullptr));
  other.DocumentLoaded();
  EXPECT_TRUE(manager_.hidden());
  EXPECT_FALSE(other.auto_hide());
  EXPECT_FALSE(other_window.topmost);

  // Once the first document is replaced the edge is free again: a reload takes it.
  manager_.DocumentUnloading();
  EXPECT_TRUE(desktop_.auto_hide.empty());
  other.DocumentUnloading();
  other.ApplySettings(ReadAppBarSettings(
      testing::Document("[Main]\nposition = top\nAppBar_AutoHide = true"), nullptr));
  other.DocumentLoaded();
  EXPECT_TRUE(other.auto_hide());
  EXPECT_TRUE(other.hidden());
}

TEST_F(AppBarTest, TurningAutoHideOffDocksAgainOrSaysWhyNot) {
  Load("position = bottom\nheight = 40\nAppBar_AutoHide = true");
  clock_.Advance(400);
  service_.refuse_release = true;
  manager_.SetAutoHide(false);
  ASSERT_EQ(window_.warnings.size(), 1u);
  EXPECT_EQ(window_.warnings[0], "Generic, Line=553, File=AppBarManager: Access is denied.");
  EXPECT_TRUE(manager_.auto_hide());

  service_.release_error = 1234;  // a code without a text
  manager_.SetAutoHide(false);
  EXPECT_EQ(window_.warnings.back(),
            "Generic: An error occured calling FormatMessage().Error Code 1234");

  service_.refuse_release = false;
  manager_.SetAutoHide(false);
  EXPECT_FALSE(manager_.auto_hide());
  EXPECT_EQ(Describe(window_.rect), "0,728,1024,768");
  EXPECT_TRUE(desktop_.auto_hide.empty());

  // Not the holder: nothing happens at all.
  desktop_.auto_hide[AppBarEdge::kBottom] = 99;
  manager_.SetAutoHide(false);
  EXPECT_EQ(window_.warnings.size(), 2u);
}

TEST_F(AppBarTest, ResizingARegisteredBarSnapsBackAnUnregisteredOneKeepsItsNewThickness) {
  Load("width = 100");
  window_.rect = {874, 0, 1024, 768};
  manager_.WindowSized();
  EXPECT_EQ(Describe(window_.rect), "924,0,1024,768");
  EXPECT_EQ(desktop_.bars[7].reserved, (platform::AppBarRect{924, 0, 1024, 768}));

  Load("width = 100\nAppBar_AlwaysOnTop = false");
  window_.rect = {874, 0, 1024, 768};
  manager_.WindowSized();
  EXPECT_EQ(manager_.width(), 150);
  EXPECT_EQ(Describe(window_.rect), "874,0,1024,768");

  // A reset forgets the settings, leaves the stacking alone and shrinks the window to nothing.
  Load("width = 100");
  manager_.ResetBar();
  EXPECT_EQ(manager_.edge(), AppBarEdge::kRight);
  EXPECT_EQ(manager_.width(), 0);
  EXPECT_FALSE(manager_.on_top());
  EXPECT_TRUE(window_.topmost);
  EXPECT_EQ(Describe(window_.rect), "0,0,0,768");
}

TEST_F(AppBarTest, ResetStopsASlideAndItsTimers) {
  Load("AppBar_AutoHide = true");
  EXPECT_TRUE(manager_.sliding());
  manager_.DocumentUnloading();
  EXPECT_FALSE(manager_.sliding());
  EXPECT_FALSE(clock_.Running(AppBarTimer::kSlide));
  EXPECT_FALSE(clock_.Running(AppBarTimer::kHide));
  const Rect after_reset = window_.rect;
  clock_.Advance(1000);
  EXPECT_EQ(Describe(window_.rect), Describe(after_reset));
}

TEST_F(AppBarTest, AWindowMadeAnewKeepsItsSpaceAndItsEdge) {
  Load("width = 100");
  window_.id = 70;
  manager_.WindowReplaced(7);
  EXPECT_EQ(desktop_.bars.count(7), 0u);
  ASSERT_EQ(desktop_.bars.count(70), 1u);
  EXPECT_EQ(desktop_.bars[70].reserved, (platform::AppBarRect{924, 0, 1024, 768}));

  Load("AppBar_AutoHide = true");
  window_.id = 71;
  manager_.WindowReplaced(70);
  EXPECT_EQ(desktop_.auto_hide[AppBarEdge::kRight], 71u);
  EXPECT_TRUE(desktop_.bars.empty());
}

class AppBarRegistryTest : public AppBarTest {
 protected:
  std::unique_ptr<platform::MemoryRegistry> registry_ = std::make_unique<platform::MemoryRegistry>();
};

TEST_F(AppBarRegistryTest, RegistryModeReadsTheKeysValuesOnlyWhenTheKeyExists) {
  const std::string doc =
      "flag = registry\nregistryKey = Software\\Corvane\\Bar\nwidth = 80\nheight = 60\n"
      "Position = left\nAppBar_AlwaysOnTop = false\n";
  // No such key: the document's own keys count.
  AppBarSettings s = ReadAppBarSettings(testing::Document("[Main]\n" + doc), registry_.get());
  EXPECT_FALSE(s.registry_mode);
  EXPECT_EQ(s.position, "left");
  EXPECT_FALSE(s.on_top);

  // The key with no values: the defaults; the thickness always comes from the document.
  ASSERT_TRUE(registry_->WriteString("Software\\Corvane\\Bar", "Other", "x"));
  s = ReadAppBarSettings(testing::Document("[Main]\n" + doc), registry_.get());
  EXPECT_TRUE(s.registry_mode);
  EXPECT_TRUE(s.appbar);
  EXPECT_TRUE(s.on_top);
  EXPECT_EQ(s.position, "");
  EXPECT_FALSE(s.auto_hide);
  EXPECT_EQ(s.width, 80);
  EXPECT_EQ(s.height, 60);

  ASSERT_TRUE(registry_->WriteDword("Software\\Corvane\\Bar", "OnTop", 0));
  ASSERT_TRUE(registry_->WriteDword("Software\\Corvane\\Bar", "AutoHide", 1));
  ASSERT_TRUE(registry_->WriteString("Software\\Corvane\\Bar", "Position", "bottom"));
  s = ReadAppBarSettings(testing::Document("[Main]\n" + doc), registry_.get());
  EXPECT_FALSE(s.on_top);
  EXPECT_TRUE(s.auto_hide);
  EXPECT_EQ(s.position, "bottom");
  // Only 1 is true; a position text of 10 bytes or more does not fit its buffer.
  ASSERT_TRUE(registry_->WriteDword("Software\\Corvane\\Bar", "AutoHide", 2));
  ASSERT_TRUE(registry_->WriteString("Software\\Corvane\\Bar", "Position", "bottom    "));
  s = ReadAppBarSettings(testing::Document("[Main]\n" + doc), registry_.get());
  EXPECT_FALSE(s.auto_hide);
  EXPECT_EQ(s.position, "");
  ASSERT_TRUE(registry_->WriteDword("Software\\Corvane\\Bar", "appbar", 0));
  EXPECT_FALSE(ReadAppBarSettings(testing::Document("[Main]\n" + doc), registry_.get()).appbar);
  // Without a registry at all the document counts.
  EXPECT_FALSE(ReadAppBarSettings(testing::Document("[Main]\n" + doc), nullptr).registry_mode);
}

}  // namespace
}  // namespace browser
