#include "browser/machine/machine_services.h"

#include "browser/machine/live_system_services.h"
#include "platform/desktop_shell.h"
#include "platform/server_sound_player.h"
#ifdef BROWSER_MACHINE_X11_WINDOWS
#include "platform/x11_window_messenger.h"
#endif
#ifdef BROWSER_MACHINE_PLUGIN_CONTROLS
#include "platform/plugin_control_libraries.h"
#endif

namespace browser {

struct MachineServices::Parts {
  platform::DesktopShell shell;
  platform::ServerSoundPlayer sound;
#ifdef BROWSER_MACHINE_X11_WINDOWS
  std::unique_ptr<platform::X11WindowMessenger> windows;
#endif
#ifdef BROWSER_MACHINE_PLUGIN_CONTROLS
  std::unique_ptr<platform::PluginControlLibraries> controls;
#endif
  std::unique_ptr<LiveSystemServices> live;
};

MachineServices::MachineServices(const Environment& environment,
                                 std::function<void(const std::string& reason)> complain,
                                 std::function<void(const std::string& line)> tell)
    : parts_(std::make_unique<Parts>()) {
  LiveSystemServices::Services s;
  s.shell = &parts_->shell;
  s.sound = &parts_->sound;
#ifdef BROWSER_MACHINE_X11_WINDOWS
  parts_->windows = std::make_unique<platform::X11WindowMessenger>(environment.display);
  s.windows = parts_->windows.get();
#endif
#ifdef BROWSER_MACHINE_PLUGIN_CONTROLS
  parts_->controls = std::make_unique<platform::PluginControlLibraries>(
      platform::PluginControlLibraries::UserPluginFolder(environment.xdg_data_home,
                                                         environment.home));
  s.controls = parts_->controls.get();
#else
  (void)environment;
#endif
  s.complain = std::move(complain);
  s.tell = std::move(tell);
  parts_->live = std::make_unique<LiveSystemServices>(std::move(s));
}

MachineServices::~MachineServices() = default;

SystemServices& MachineServices::services() { return *parts_->live; }

std::string MachineServices::ControlFolder(const Environment& environment) {
#ifdef BROWSER_MACHINE_PLUGIN_CONTROLS
  return platform::PluginControlLibraries::UserPluginFolder(environment.xdg_data_home,
                                                            environment.home) +
         "/";
#else
  (void)environment;
  return {};
#endif
}

}  // namespace browser
