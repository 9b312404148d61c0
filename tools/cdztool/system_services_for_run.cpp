#include "system_services_for_run.h"

#include <cstdlib>
#include <ostream>

#include "browser/script/live_system_services.h"
#include "browser/script/printing_system_services.h"
#include "platform/desktop_shell.h"
#include "platform/server_sound_player.h"
#ifdef CDZTOOL_X11_WINDOWS
#include "platform/x11_window_messenger.h"
#endif
#ifdef CDZTOOL_PLUGIN_CONTROLS
#include "platform/plugin_control_libraries.h"
#endif

namespace cdztool {

struct SystemServicesForRun::Machine {
  platform::DesktopShell shell;
  platform::ServerSoundPlayer sound;
#ifdef CDZTOOL_X11_WINDOWS
  // The display the author's desktop runs; none leaves window messages unsent.
  platform::X11WindowMessenger windows{std::getenv("DISPLAY") ? std::getenv("DISPLAY") : ""};
#endif
#ifdef CDZTOOL_PLUGIN_CONTROLS
  platform::PluginControlLibraries controls{platform::PluginControlLibraries::UserPluginFolder(
      std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "",
      std::getenv("HOME") ? std::getenv("HOME") : "")};
#endif
};

SystemServicesForRun::SystemServicesForRun(bool live, std::ostream& out, std::ostream& err) {
  if (!live) {
    services_ = std::make_unique<browser::PrintingSystemServices>(
        [&out](const std::string& line) { out << line << "\n"; });
    return;
  }
  machine_ = std::make_unique<Machine>();
  browser::LiveSystemServices::Services s;
  s.shell = &machine_->shell;
  s.sound = &machine_->sound;
#ifdef CDZTOOL_X11_WINDOWS
  s.windows = &machine_->windows;
#endif
#ifdef CDZTOOL_PLUGIN_CONTROLS
  s.controls = &machine_->controls;
#endif
  s.complain = [&err](const std::string& reason) { err << "cdztool: " << reason << "\n"; };
  services_ = std::make_unique<browser::LiveSystemServices>(std::move(s));
}

SystemServicesForRun::~SystemServicesForRun() = default;

}  // namespace cdztool
