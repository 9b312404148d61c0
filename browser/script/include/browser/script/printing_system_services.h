#pragma once

#include <functional>
#include <string>

#include "browser/script/system_services.h"

namespace browser {

// One line of system_lines.h per call.
using SystemLineSink = std::function<void(const std::string& line)>;

// Performs nothing and tells `sink` what would have been done, one line per call, so an
// author can check a document's programs, paths and addresses without a desktop. It answers
// as the machine would when everything works, with one exception: registering a copy of a
// control file that does not exist fails (and prints nothing), as it would for real.
class PrintingSystemServices : public SystemServices {
 public:
  explicit PrintingSystemServices(SystemLineSink sink) : sink_(std::move(sink)) {}

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
  bool OpenWebWindow(const std::string& address) override;
  void Report(const std::string& line) override { sink_(line); }

 private:
  SystemLineSink sink_;
};

// Performs every call through `inner` and tells `sink` about it, as PrintingSystemServices
// would; a web window that `inner` does not have is not reported (the shell call that
// replaces it is). For the program's traces.
class EchoingSystemServices : public SystemServices {
 public:
  EchoingSystemServices(SystemServices& inner, SystemLineSink sink)
      : inner_(inner), sink_(std::move(sink)) {}

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
  bool OpenWebWindow(const std::string& address) override;
  void Report(const std::string& line) override;

 private:
  SystemServices& inner_;
  SystemLineSink sink_;
};

}  // namespace browser
