// The services behind `cdztool run`'s system actions: printed lines by default, the machine's
// own services with --live.
#pragma once

#include <iosfwd>
#include <memory>

#include "browser/script/system_services.h"
#include "platform/paths.h"

namespace browser {
class MachineServices;
}

namespace cdztool {

// The directories the document is given, as the program gives them on this desktop: the
// temporary folder the user chose, the user's plug-in folder for copied controls.
platform::SystemDirectories DirectoriesForRun();

class SystemServicesForRun {
 public:
  // Printing: one line per action to `out`. Live: performed, failures described on `err`.
  SystemServicesForRun(bool live, std::ostream& out, std::ostream& err);
  ~SystemServicesForRun();

  browser::SystemServices& services();

 private:
  std::unique_ptr<browser::MachineServices> machine_;    // live
  std::unique_ptr<browser::SystemServices> printing_;  // otherwise
};

}  // namespace cdztool
