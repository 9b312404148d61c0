// The window manager's side of the main window's life on X11: when it has taken a mapped
// window in or let an unmapped one go (ICCCM WM_STATE), and the frame it draws (EWMH
// _NET_FRAME_EXTENTS). Every call waits at most the time it is given, reading from the
// X server (the program's own events wait meanwhile); without a connection or a window it
// answers at once.
#pragma once

#include <xcb/xcb.h>

#include <optional>

namespace browser::shell {

// The frame a window manager draws around a window: the widths of its four sides.
struct FrameExtents {
  int left = 0, right = 0, top = 0, bottom = 0;
  bool empty() const { return left == 0 && right == 0 && top == 0 && bottom == 0; }
};

// True when a window manager runs on the display (it owns WM_S0).
bool WindowManagerRuns(xcb_connection_t* connection);

// Waits, at most `timeout_ms`, until the window manager has taken a mapped `window` in: its
// WM_STATE is Normal or Iconic. True at once where no window manager runs.
bool WaitUntilManaged(xcb_connection_t* connection, xcb_window_t window, int timeout_ms);

// Waits, at most `timeout_ms`, until the window manager has let go of an unmapped `window`:
// its WM_STATE is gone or Withdrawn (ICCCM 4.1.4), so that the next map is a new one that
// reads the hints and the position set from now on. Answers false on the timeout.
bool WaitUntilWithdrawn(xcb_connection_t* connection, xcb_window_t window, int timeout_ms);

// The frame the window manager will draw around the unmapped `window` with its hints as they
// are now, asked with _NET_REQUEST_FRAME_EXTENTS (EWMH) and read from _NET_FRAME_EXTENTS;
// nothing when the window manager does not offer the request or does not answer within
// `timeout_ms`.
std::optional<FrameExtents> RequestFrameExtents(xcb_connection_t* connection,
                                                xcb_window_t window, int timeout_ms);

// _NET_FRAME_EXTENTS as the window manager last wrote it on `window`, or nothing.
std::optional<FrameExtents> ReadFrameExtents(xcb_connection_t* connection, xcb_window_t window);
// Waits, at most `timeout_ms`, for a frame of some width in _NET_FRAME_EXTENTS (as the window
// manager writes it when it frames a mapped window); nothing on the timeout.
std::optional<FrameExtents> WaitForFrameExtents(xcb_connection_t* connection,
                                                xcb_window_t window, int timeout_ms);
// Deletes _NET_FRAME_EXTENTS, so that the next value read is one written after this call.
void ForgetFrameExtents(xcb_connection_t* connection, xcb_window_t window);

}  // namespace browser::shell
