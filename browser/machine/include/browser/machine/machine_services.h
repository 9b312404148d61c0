// The machine's own services behind the system actions, as the programs hand them to their
// documents: the desktop's handlers, the sound server, window messages on the X display and
// control libraries installed per user.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "browser/script/system_services.h"

namespace browser {

class MachineServices {
 public:
  // Where the services reach the machine; read from the environment by the program.
  struct Environment {
    std::string display;        // the X display window messages go to; "" posts none
    std::string xdg_data_home;  // "" for the default under `home`
    std::string home;
  };
  // `complain` hears what failed, `tell` each program really started ("started: PROGRAM
  // ARGS"); either may be empty.
  MachineServices(const Environment& environment,
                  std::function<void(const std::string& reason)> complain,
                  std::function<void(const std::string& line)> tell = {});
  ~MachineServices();
  MachineServices(const MachineServices&) = delete;
  MachineServices& operator=(const MachineServices&) = delete;

  SystemServices& services();

  // The folder (ending with "/") RegisterActiveX copies controls into "to the system": the
  // user's own plug-in folder, where registration installs them.
  static std::string ControlFolder(const Environment& environment);

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace browser
