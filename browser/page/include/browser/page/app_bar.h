#pragma once

#include <cstdint>
#include <optional>

#include "browser/page/app_bar_settings.h"
#include "browser/page/app_bar_window.h"
#include "platform/appbar.h"

namespace browser {

// Turns the main window into a desktop bar docked to a screen edge, optionally on top,
// optionally reserving its strip of the screen (only a registered bar does), optionally
// auto-hiding: slid away to a 2-pixel strip, slid back when the mouse touches it and away
// again when the mouse has left and another window has the keyboard.
//
// Slides run on the clock's timers, never in a loop that holds the event loop: a slide that
// is asked for while another runs starts from where the window is. Everything runs on the
// GUI thread. The service, window and clock outlive the manager.
class AppBarManager {
 public:
  static constexpr int32_t kHideSlideMs = 400;
  static constexpr int32_t kShowSlideMs = 200;
  static constexpr int32_t kHiddenThickness = 2;
  static constexpr int32_t kHideCheckMs = 500;  // timer 1
  static constexpr int32_t kShowCheckMs = 50;   // timer 2
  static constexpr int32_t kSlideStepMs = 10;

  // The caption of the box that says the service would not give up the auto-hide bar.
  static constexpr const char* kReleaseErrorCaption = "Generic, Line=553, File=AppBarManager";

  AppBarManager(platform::AppBarService& service, AppBarWindow& window, AppBarClock& clock);
  ~AppBarManager();
  AppBarManager(const AppBarManager&) = delete;
  AppBarManager& operator=(const AppBarManager&) = delete;

  // A document's settings, while its window is hidden: a document that is no app bar only
  // loses the bar style and the topmost setting; an app bar is styled, made topmost and
  // registered as the settings say and docked at its edge. Answers settings.appbar.
  bool ApplySettings(const AppBarSettings& settings);
  // After the document has loaded and its "OnLoad" has run: auto-hide when it asked for it,
  // and the service hears of the bar's place.
  void DocumentLoaded();
  // Before another document replaces this one: an app bar is reset, and the bar unregistered.
  void DocumentUnloading();

  void RegisterBar();
  void UnregisterBar();
  void SetTopmost(bool on);
  // The rectangle the service allows at the current edge for `rect`, of the stored thickness.
  Rect QueryPos(Rect rect);
  void SetPos(platform::AppBarEdge edge, Rect rect, bool move);
  void Dock(platform::AppBarEdge edge);
  void SetAutoHide(bool on);
  void HideBar();
  void ShowBar();
  void ResetBar();
  // Starts sliding the window to `target`: hiding (the window keeps its size and moves, then
  // takes the target) in 400 ms, growing (placed beside the target, then moved onto it) in
  // 200 ms.
  void Slide(Rect target);

  // Events of the window.
  void MouseOver();    // the pointer is over the window
  void WindowSized();  // the window's size changed
  void WindowMoved();  // the window moved
  void WindowPosChanged();
  void PosChanged();  // the service says the bars of the desktop changed
  void TimerFired(AppBarTimer timer);
  void DisplayChanged() { ResetBar(); }
  // The window was made anew under another id (`old_id` before): its registration, the space
  // it reserves and its auto-hide claim move to the new one.
  void WindowReplaced(platform::AppBarWindowId old_id);

  bool is_bar() const { return is_bar_; }
  bool registered() const { return registered_; }
  bool auto_hide() const { return auto_hide_; }
  bool on_top() const { return on_top_; }
  bool hidden() const { return hidden_; }
  bool sliding() const { return slide_.has_value(); }
  platform::AppBarEdge edge() const { return edge_; }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  const Rect& docked() const { return docked_; }

 private:
  struct SlideState {
    Rect start;
    Rect target;
    int32_t dx = 0, dy = 0;
    int32_t duration = 0;
    int64_t started = 0;
  };
  void SlideStep();
  void ShowReleaseError();
  bool CursorInWindow() const;
  Rect FullScreen() const;
  Rect AtEdge(Rect rect, int32_t width, int32_t height) const;

  platform::AppBarService& service_;
  AppBarWindow& window_;
  AppBarClock& clock_;
  int32_t hide_ms_ = kHideSlideMs;
  int32_t show_ms_ = kShowSlideMs;
  bool registered_ = false;
  Rect docked_;
  int32_t saved_width_ = 0, saved_height_ = 0;
  // The settings record.
  bool auto_hide_ = false;
  bool on_top_ = false;
  bool hidden_ = false;
  platform::AppBarEdge edge_ = platform::AppBarEdge::kRight;
  int32_t width_ = 0, height_ = 0;

  bool is_bar_ = false;
  bool auto_hide_wish_ = false;
  std::optional<SlideState> slide_;
};

// The edge a position text names (compared exactly): "top", "bottom", "left", else right.
platform::AppBarEdge EdgeFromPosition(const std::string& position);

}  // namespace browser
