#pragma once

#include <Qt>
#include <cstdint>

#include "browser/page/window_style.h"

namespace browser::shell {

// How a window type looks on an X11 desktop: Qt's window flags, and the Motif hints written
// over Qt's own (Qt cannot ask for a border without a title bar).
struct WindowLook {
  Qt::WindowFlags flags;
  uint32_t motif_functions = 0;    // MWM_FUNC_* bits
  uint32_t motif_decorations = 0;  // MWM_DECOR_* bits
};

// Motif window manager hint bits (the _MOTIF_WM_HINTS property).
inline constexpr uint32_t kMwmFuncResize = 1u << 1, kMwmFuncMove = 1u << 2,
                          kMwmFuncMinimize = 1u << 3, kMwmFuncMaximize = 1u << 4,
                          kMwmFuncClose = 1u << 5;
inline constexpr uint32_t kMwmDecorBorder = 1u << 1, kMwmDecorResize = 1u << 2,
                          kMwmDecorTitle = 1u << 3, kMwmDecorMenu = 1u << 4,
                          kMwmDecorMinimize = 1u << 5, kMwmDecorMaximize = 1u << 6;

//   caption (type 0)   title bar with system menu, close and minimise box; no maximise
//   dialog frame (1)   a dialog window with a border and no title bar
//   thin border (2)    a normal window with a border and no title bar
//   no frame (3, 4)    frameless; topmost windows stay on top
// No type can be resized or maximised.
WindowLook LookOf(const WindowStyle& style);

// An app bar: a frameless strip that stays on top.
WindowLook AppBarLook();

}  // namespace browser::shell
