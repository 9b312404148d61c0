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

// The machine's services behind the system actions, handed in by the program. A service left
// out (nullptr) does nothing, as a failed one does. What fails is told to `complain` (when
// given) and otherwise ignored, as the actions want; only control registration answers it.
// Each program really started is told to `tell` (when given) as a system_lines::Started
// line (the file found for a name ending in ".exe", with its arguments), and each file or
// address handed to the desktop's handler as a system_lines::Opened line.
//
// Document text never reaches a shell: programs get their parameters as an argument vector,
// and an address is opened only when it names an existing file or has a scheme the desktop
// handles for us (http, https, mailto, file).
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

  void RunProgram(const std::string& path, const std::string& parameters) override;
  void ShellOpen(const std::string& path) override;
  void OpenFolder(const std::string& path) override;
  void OpenAddress(const std::string& address) override;
  void PlaySound(const std::string& path) override;
  void PostWindowMessage(const std::string& window_class, int32_t message, int32_t wparam,
                         int32_t lparam) override;
  void SaveDataFile(const CDataFile& file, const std::string& path, const std::string& key,
                    const std::string* value) override;
  bool RegisterControl(const ControlRegistration& control) override;
  // The program's own web window comes with the web control; without it, false.
  bool OpenWebWindow(const std::string& address) override;

  // True for what may be handed to the desktop's handler: an existing file or folder, or an
  // address with one of the schemes above.
  static bool MayOpen(const std::string& target);

 private:
  void Open(const std::string& target);
  bool Fail(const std::string& reason);
  bool Start(const std::string& program, const std::vector<std::string>& args);

  Services services_;
};

}  // namespace browser
