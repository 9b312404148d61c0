#include "browser/page/window_style.h"

namespace browser {

WindowStyle DecideWindowStyle(int32_t window_type, Size client) {
  WindowStyle style;
  style.client = client;
  switch (window_type) {
    case 1:
      style.window_type = 1;
      style.frame = WindowStyle::Frame::kDialog;
      break;
    case 2:
      style.window_type = 2;
      style.frame = WindowStyle::Frame::kThin;
      break;
    case 3:
      style.window_type = 3;
      style.shaped = true;
      break;
    case 4:
      style.window_type = 4;
      style.topmost = true;
      style.captures_screen = true;
      break;
    default:
      style.window_type = 0;
      style.caption = true;
      style.minimize_box = true;
      style.frame = WindowStyle::Frame::kDialog;
      break;
  }
  return style;
}

}  // namespace browser
