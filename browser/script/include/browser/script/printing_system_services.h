#pragma once

#include <functional>
#include <string>

#include "browser/script/system_services.h"

namespace browser {

// One request's line (system_request.h) at a time.
using SystemLineSink = std::function<void(const std::string& line)>;

// Performs nothing and tells `sink` each request's line, so an author can check a document's
// programs, paths and addresses without a desktop. It answers as the machine would when
// everything works, with two exceptions: registering a copy of a control file that
// `file_exists` does not find fails (and prints nothing), as it would for real; and a drag
// neither happens nor is told, as in a program without a window. Without `file_exists`
// every copy's source is taken as there.
class PrintingSystemServices : public SystemServices {
 public:
  explicit PrintingSystemServices(SystemLineSink sink,
                                  std::function<bool(const std::string&)> file_exists = {})
      : sink_(std::move(sink)), file_exists_(std::move(file_exists)) {}

  bool Perform(const SystemRequest& request) override;

 private:
  SystemLineSink sink_;
  std::function<bool(const std::string&)> file_exists_;
};

// Performs every request through `inner` and tells `sink` its line first; a web window that
// `inner` does not have is not told (the shell call that replaces it is), and is told after
// it opened. For the program's traces.
class EchoingSystemServices : public SystemServices {
 public:
  EchoingSystemServices(SystemServices& inner, SystemLineSink sink)
      : inner_(inner), sink_(std::move(sink)) {}

  bool Perform(const SystemRequest& request) override;

 private:
  SystemServices& inner_;
  SystemLineSink sink_;
};

}  // namespace browser
