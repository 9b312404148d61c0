// The desktop's app bar service: a window docked to a screen edge reserves its strip of the
// screen, and each edge has at most one auto-hide bar. Qt-free; the real implementation is
// X11AppBarService (x11_appbar.h, EWMH), tests use RecordingAppBarService
// (recording_appbar.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The screen edges, with the values documents and settings use for them.
enum class AppBarEdge : int32_t { kLeft = 0, kTop = 1, kRight = 2, kBottom = 3 };

// Screen coordinates; right and bottom are exclusive.
struct AppBarRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const AppBarRect&) const = default;
};

// `r`, proposed at `edge`, with its outer side moved inward to `inner` where it reaches past
// it: `inner` is the side, toward the middle of the screen, of the strip another bar holds at
// the same edge. Every service's QueryPos stops a bar this way.
AppBarRect StopAtBar(AppBarRect r, AppBarEdge edge, int32_t inner);

// Window ids are the desktop's own (X11 window ids); 0 is no window.
using AppBarWindowId = uint64_t;

class AppBarService {
 public:
  virtual ~AppBarService() = default;

  // Registers `window` as an app bar. True when the service accepted it; a window registers
  // once.
  virtual bool New(AppBarWindowId window) = 0;
  // Ends the registration and gives the reserved space back; any auto-hide edge the window
  // holds is given up too, registered or not. True when the window was registered.
  virtual bool Remove(AppBarWindowId window) = 0;
  // Adjusts a proposed rectangle at `edge` so that it does not overlap the bars other
  // windows reserved there.
  virtual AppBarRect QueryPos(AppBarWindowId window, AppBarEdge edge, AppBarRect proposed) = 0;
  // As QueryPos, and reserves the answered rectangle for a registered window (a window that
  // is not registered reserves nothing).
  virtual AppBarRect SetPos(AppBarWindowId window, AppBarEdge edge, AppBarRect proposed) = 0;
  // The window holding the auto-hide bar of `edge`, 0 when none does.
  virtual AppBarWindowId GetAutoHideBar(AppBarEdge edge) = 0;
  // Makes `window` the auto-hide bar of `edge` (on) or gives the edge up (off). Turning it on
  // fails when another window holds the edge; turning it off fails when `window` does not
  // hold it. On failure LastError says why.
  virtual bool SetAutoHideBar(AppBarWindowId window, AppBarEdge edge, bool on) = 0;
  // The window moved or changed its size or stacking.
  virtual void WindowPosChanged(AppBarWindowId window) = 0;

  // The code of the last failure (0 when none), and its text for a user, or nothing when the
  // service has no text for it.
  virtual uint32_t LastError() const = 0;
  virtual std::optional<std::string> ErrorText(uint32_t code) const = 0;
};

}  // namespace platform
