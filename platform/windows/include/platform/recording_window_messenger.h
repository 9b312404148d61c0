// A window messenger for tests: keeps every post. Nothing is sent.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/windows.h"

namespace platform {

class RecordingWindowMessenger : public WindowMessenger {
 public:
  struct Posted {
    std::string window_class;
    uint32_t message;
    uint32_t wparam;
    int32_t lparam;
  };
  int Post(const std::string& window_class, uint32_t message, uint32_t wparam,
           int32_t lparam) override {
    posted.push_back({window_class, message, wparam, lparam});
    return 1;
  }
  std::vector<Posted> posted;
};

}  // namespace platform
