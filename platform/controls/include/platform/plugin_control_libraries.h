// Control libraries as Qt plug-ins (control_plugin.h): registering one calls its export
// "DllRegisterServer" and installs a copy into the per-user plug-in folder, where the
// control registry finds it; unregistering calls "DllUnregisterServer" and removes the
// copy of that file name from the folder. A library stays loaded once registration has
// loaded it.
#pragma once

#include <string>

#include "platform/control_library.h"

namespace platform {

class PluginControlLibraries : public ControlLibraries {
 public:
  explicit PluginControlLibraries(std::string user_folder) : folder_(std::move(user_folder)) {}

  // The per-user plug-in folder: $XDG_DATA_HOME/panorel/controls, or, when `xdg_data_home`
  // is empty, $HOME/.local/share/panorel/controls.
  static std::string UserPluginFolder(const std::string& xdg_data_home, const std::string& home);

  bool Register(const std::string& path, bool unregister, std::string* error) override;

  const std::string& folder() const { return folder_; }

 private:
  std::string folder_;
};

}  // namespace platform
