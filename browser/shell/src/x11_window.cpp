#include "browser/shell/x11_window.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <string>

namespace browser::shell {

xcb_connection_t* X11Connection() {
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 != nullptr ? x11->connection() : nullptr;
}

// The native window of the widget's window handle: Qt makes it anew when the window's flags
// change, and the widget's own id may then be out of date.
xcb_window_t X11WindowOf(QWidget& widget) {
  if (X11Connection() == nullptr) return XCB_WINDOW_NONE;
  if (widget.windowHandle() == nullptr) widget.winId();
  if (widget.windowHandle() == nullptr) return XCB_WINDOW_NONE;
  return static_cast<xcb_window_t>(widget.windowHandle()->winId());
}

void SetMotifHints(xcb_connection_t* connection, xcb_window_t window, uint32_t functions,
                   uint32_t decorations) {
  if (connection == nullptr || window == XCB_WINDOW_NONE) return;
  static const char kName[] = "_MOTIF_WM_HINTS";
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, std::strlen(kName), kName), nullptr);
  if (atom == nullptr) return;
  // flags, functions, decorations, input mode, status; flags 1 | 2: both fields are valid.
  const uint32_t hints[5] = {1u | 2u, functions, decorations, 0, 0};
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atom->atom, atom->atom, 32, 5,
                      hints);
  std::free(atom);
  xcb_flush(connection);
}

void SetWindowClass(xcb_connection_t* connection, xcb_window_t window, const char* instance,
                    const char* window_class) {
  if (connection == nullptr || window == XCB_WINDOW_NONE) return;
  std::string value = instance;
  value.push_back('\0');
  value += window_class;
  value.push_back('\0');
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_CLASS,
                      XCB_ATOM_STRING, 8, static_cast<uint32_t>(value.size()), value.data());
  xcb_flush(connection);
}


std::optional<std::pair<int, int>> X11DisplaySize(const std::string& display) {
  if (display.empty()) return std::nullopt;
  int number = 0;
  xcb_connection_t* connection = xcb_connect(display.c_str(), &number);
  std::optional<std::pair<int, int>> size;
  if (!xcb_connection_has_error(connection)) {
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < number && it.rem > 0; ++i) xcb_screen_next(&it);
    if (it.rem > 0) size = std::pair{int{it.data->width_in_pixels}, int{it.data->height_in_pixels}};
  }
  xcb_disconnect(connection);
  return size;
}

}  // namespace browser::shell
