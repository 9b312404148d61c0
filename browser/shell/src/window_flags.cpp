#include "browser/shell/window_flags.h"

namespace browser::shell {

WindowLook LookOf(const WindowStyle& style) {
  WindowLook look;
  look.motif_functions = kMwmFuncMove | kMwmFuncClose;
  if (style.caption) {
    look.flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    look.motif_decorations = kMwmDecorBorder | kMwmDecorTitle | kMwmDecorMenu;
    if (style.minimize_box) {
      look.flags |= Qt::WindowMinimizeButtonHint;
      look.motif_decorations |= kMwmDecorMinimize;
      look.motif_functions |= kMwmFuncMinimize;
    }
  } else if (style.frame == WindowStyle::Frame::kDialog) {
    look.flags = Qt::Dialog | Qt::CustomizeWindowHint;
    look.motif_decorations = kMwmDecorBorder;
  } else if (style.frame == WindowStyle::Frame::kThin) {
    look.flags = Qt::Window | Qt::CustomizeWindowHint;
    look.motif_decorations = kMwmDecorBorder;
  } else {
    look.flags = Qt::Window | Qt::FramelessWindowHint;
  }
  if (style.topmost) look.flags |= Qt::WindowStaysOnTopHint;
  return look;
}

WindowLook AppBarLook() {
  WindowLook look;
  look.flags = Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
  look.motif_functions = kMwmFuncMove | kMwmFuncClose;
  return look;
}

}  // namespace browser::shell
