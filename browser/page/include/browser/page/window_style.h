#pragma once

#include <cstdint>

#include "browser/page/picture.h"

namespace browser {

// How a document's "windowType" shapes the main window, as data the window applies.
//   0 (and any unknown value)  caption with system menu and minimise box, dialog frame
//   1                          dialog frame, no caption
//   2                          thin border, no caption
//   3                          no frame; the window is cut to the page's region
//   4                          no frame, topmost; the page shows the screen behind it
// Every type is centred on the screen, kept inside the work area, and not resizable.
struct WindowStyle {
  enum class Frame { kNone, kDialog, kThin };
  int32_t window_type = 0;
  bool caption = false;
  bool minimize_box = false;
  Frame frame = Frame::kNone;
  bool topmost = false;
  // Types 3: the page's key-colour region shapes the window; every other type keeps its
  // whole rectangle.
  bool shaped = false;
  // Type 4: the page's background is a copy of the screen under the window.
  bool captures_screen = false;
  Size client;  // the document's "width" by "height"
};

WindowStyle DecideWindowStyle(int32_t window_type, Size client);

}  // namespace browser
