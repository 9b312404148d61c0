// Control libraries for tests: keeps every request and answers as told. Nothing is loaded.
#pragma once

#include <string>
#include <vector>

#include "platform/control_library.h"

namespace platform {

class RecordingControlLibraries : public ControlLibraries {
 public:
  struct Request {
    std::string path;
    bool unregister;
  };
  bool Register(const std::string& path, bool unregister, std::string* error) override {
    requests.push_back({path, unregister});
    if (!accept && error) *error = path + ": refused by the test";
    return accept;
  }
  bool accept = true;
  std::vector<Request> requests;
};

}  // namespace platform
