#include "system_services_for_run.h"

#include <cstdlib>
#include <ostream>

#include "browser/machine/machine_services.h"
#include "browser/script/printing_system_services.h"

namespace cdztool {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

browser::MachineServices::Environment Desktop() {
  return {Environment("DISPLAY"), Environment("XDG_DATA_HOME"), Environment("HOME")};
}

}  // namespace

platform::SystemDirectories DirectoriesForRun() {
  platform::SystemDirectories directories;
  directories.temp = platform::TempDirectory(Environment("TMPDIR"));
  directories.controls = browser::MachineServices::ControlFolder(Desktop());
  return directories;
}

SystemServicesForRun::SystemServicesForRun(bool live, std::ostream& out, std::ostream& err) {
  if (!live) {
    printing_ = std::make_unique<browser::PrintingSystemServices>(
        [&out](const std::string& line) { out << line << "\n"; },
        [](const std::string& path) { return platform::FileExists(path); });
    return;
  }
  // The author's own desktop: its display, its plug-in folder.
  machine_ = std::make_unique<browser::MachineServices>(
      Desktop(),
      [&err](const std::string& reason) { err << "cdztool: " << reason << "\n"; });
}

SystemServicesForRun::~SystemServicesForRun() = default;

browser::SystemServices& SystemServicesForRun::services() {
  return machine_ ? machine_->services() : *printing_;
}

}  // namespace cdztool
