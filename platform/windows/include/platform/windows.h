// Messages to other programs' top-level windows, found by window class. Qt-free; the real
// implementation is X11WindowMessenger (x11_window_messenger.h), tests use
// RecordingWindowMessenger (recording_window_messenger.h).
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class WindowMessenger {
 public:
  virtual ~WindowMessenger() = default;

  // Posts `message` with its two parameters to the one top-level window found with the class
  // `window_class` (compared without regard to ASCII case; the topmost when several have
  // it), or to all top-level windows when none has that class. Never waits for a receiver.
  // Answers how many windows it was posted to (0 without a display).
  virtual int Post(const std::string& window_class, uint32_t message, uint32_t wparam,
                   int32_t lparam) = 0;
};

}  // namespace platform
