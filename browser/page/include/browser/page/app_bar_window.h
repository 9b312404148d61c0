#pragma once

#include <cstdint>
#include <string>

#include "browser/page/picture.h"
#include "browser/script/element.h"
#include "platform/appbar.h"

namespace browser {

// What the app bar manager needs of the window it docks. Rectangles and points are screen
// coordinates; right and bottom are exclusive.
class AppBarWindow {
 public:
  virtual ~AppBarWindow() = default;

  // The window's id with the desktop's app bar service.
  virtual platform::AppBarWindowId Id() const = 0;
  virtual Rect WindowRect() const = 0;
  // Moves and sizes the window to `rect` and repaints it.
  virtual void SetRect(const Rect& rect) = 0;
  // Moves the window's top-left corner without resizing it, and paints it now.
  virtual void MoveTo(Point top_left) = 0;
  // Keeps the window above the others or not, without activating, moving or sizing it.
  virtual void SetTopmost(bool on) = 0;
  // A bar has no caption, frame, system menu or minimise box and no entry among the
  // desktop's windows; false gives the window back to its document's window type.
  virtual void SetBarStyle(bool bar) = 0;
  // Repaints the whole window now.
  virtual void Redraw() = 0;

  virtual Size ScreenSize() const = 0;
  // The screen without the space bars reserve.
  virtual Rect WorkArea() const = 0;
  virtual Point CursorPos() const = 0;
  // Which window has the keyboard: none, the bar itself, a window the bar owns (a message
  // box, a dialog), or another one.
  enum class Foreground { kNone, kBar, kOwnedByBar, kOther };
  virtual Foreground ForegroundWindow() const = 0;
  // A warning box owned by no window, with one OK button.
  virtual void ShowWarning(const std::string& caption, const std::string& text) = 0;
};

// The manager's timers. kHide checks every 500 ms whether a shown auto-hide bar may go;
// kShow checks once, 50 ms after the mouse touched a hidden bar, whether it is still there;
// kSlide moves the window a step while it slides.
enum class AppBarTimer { kHide = 1, kShow = 2, kSlide = 3 };

// Time and timers, so that slides and timers run on the event loop (other windows keep
// painting) and tests can drive them with a fake clock.
class AppBarClock {
 public:
  virtual ~AppBarClock() = default;
  // Milliseconds from any fixed start, never going back.
  virtual int64_t NowMs() const = 0;
  // Fires `timer` every `interval_ms` until it is killed (AppBarManager::TimerFired);
  // starting a running timer starts it again.
  virtual void StartTimer(AppBarTimer timer, int32_t interval_ms) = 0;
  // Killing a timer that does not run is harmless.
  virtual void KillTimer(AppBarTimer timer) = 0;
};

}  // namespace browser
