#pragma once

#include <functional>
#include <string>
#include <vector>

#include "browser/script/system_services.h"

namespace platform {
class ControlLibraries;
class Shell;
class SoundPlayer;
class WindowMessenger;
}  // namespace platform

namespace browser {

// The system actions' requests performed on the machine through the services handed in. A
// service left out (nullptr) does nothing, as a failed one does. What fails is told to
// `complain` (when given) and answers false; only control registration's answer is asked
// for. Each program really started is told to `tell` (when given) as a system_lines::Started
// line (the file found for a name ending in ".exe", with its arguments), and each file or
// address handed to the desktop's handler as a system_lines::Opened line.
//
// A program to run is the executable file its path names, or for a name ending in ".exe"
// (any case) that is not one, the name without that ending; anything else is a document,
// opened as the shell opens documents (the parameters are then dropped).
//
// Document text never reaches a shell: programs get their parameters as an argument vector,
// and an address is opened only when it names an existing file or has a scheme the desktop
// handles for us (http, https, mailto, file). A web window and a drag are the program's
// window's (false here).
class LiveSystemServices : public SystemServices {
 public:
  struct Services {
    platform::Shell* shell = nullptr;
    platform::SoundPlayer* sound = nullptr;
    platform::WindowMessenger* windows = nullptr;
    platform::ControlLibraries* controls = nullptr;
    std::function<void(const std::string& reason)> complain;
    std::function<void(const std::string& line)> tell;
  };
  explicit LiveSystemServices(Services services) : services_(std::move(services)) {}

  bool Perform(const SystemRequest& request) override;

  // True for what may be handed to the desktop's handler: an existing file or folder, or an
  // address with one of the schemes above.
  static bool MayOpen(const std::string& target);

 private:
  // Performs each type of request (live_system_services.cpp).
  struct Performer;

  bool Open(const std::string& target);
  bool Fail(const std::string& reason);
  bool Start(const std::string& program, const std::vector<std::string>& args);

  Services services_;
};

}  // namespace browser
