// The messages the main window answers whoever posts them: its own requests, scripts'
// PostMessage and other programs alike (X11 client messages on the window).
#pragma once

#include <cstdint>

namespace browser {

enum class WindowMessage : uint32_t {
  kClose = 0x0010,           // WM_CLOSE: the program ends
  kOpenDocument = 1034,      // WM_USER + 10: carries no name from outside, so only shows
  kStartupLoad = 1035,       // WM_USER + 11: the document of the start-up, loaded again
  kReloadDocument = 1036,    // WM_USER + 12
  kOtherInstance = 1037,     // WM_USER + 13: another copy of the program was started
  kNextDocument = 1038,      // WM_USER + 14
  kPreviousDocument = 1039,  // WM_USER + 15
};

}  // namespace browser
