#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

class QWidget;

namespace browser::shell {

// The X11 side of the main window. On a platform without X11 (the offscreen platform of
// previews and widget tests) there is no connection and every call does nothing.

// The application's X11 connection, or nullptr.
xcb_connection_t* X11Connection();
// The X11 window of a shown or created top-level widget, or XCB_WINDOW_NONE without X11.
xcb_window_t X11WindowOf(QWidget& widget);

// Writes the _MOTIF_WM_HINTS property (functions and decorations).
void SetMotifHints(xcb_connection_t* connection, xcb_window_t window, uint32_t functions,
                   uint32_t decorations);

// Writes WM_CLASS: the instance name and the class name, each ended by a zero byte (ICCCM).
void SetWindowClass(xcb_connection_t* connection, xcb_window_t window, const char* instance,
                    const char* window_class);

// The size of the default screen of the X display named `display` (as DISPLAY names it),
// asked over a connection of its own; nothing when there is no such display.
std::optional<std::pair<int, int>> X11DisplaySize(const std::string& display);

}  // namespace browser::shell
