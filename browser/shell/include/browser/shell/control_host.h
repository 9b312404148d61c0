// The window's hosted controls: each is a child widget made by name through the control
// registry (built-in classes, then the plug-ins of the program's own folder "controls"
// beside it and of the user's folder), or, when no class answers the name or its plug-in
// refuses to start it, a panel naming the control (ControlFallback) with nothing to script.
// Also the small web windows that LaunchInternetExplorer opens with the web control, and the
// performer of the system actions' requests that reach the window.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "browser/script/element.h"
#include "browser/script/system_services.h"
#include "browser/shell/address_relay.h"
#include "platform/control_registry.h"

namespace browser::shell {

class ControlHost {
 public:
  // The web control's name, as LaunchInternetExplorer asks for it.
  static constexpr const char* kWebControl = "shell.explorer";

  // Told once for each control that could not be made: its name and why.
  using NotCreated = std::function<void(const std::string& name, const std::string& why)>;

  // `window` owns the controls' widgets; `complain` hears of plug-ins that were skipped.
  ControlHost(QWidget* window, QStringList plugin_folders,
              std::function<void(const QString&)> complain, NotCreated not_created = {});
  ~ControlHost();

  // The program's own folder ("controls" beside `program_path`), then the user's.
  static QStringList PluginFolders(const std::string& program_path,
                                   const std::string& xdg_data_home, const std::string& home);

  uint64_t Create(const std::string& name, const Rect& bounds, bool drop_target);
  void Move(uint64_t control, const Rect& bounds);
  void Destroy(uint64_t control);
  platform::Control* Object(uint64_t control);

  // A window of 610 by 300 at left 30, top 100 with the web control showing `address`;
  // false when there is no web control.
  bool OpenWebWindow(const std::string& address);

  platform::ControlRegistry& registry() { return registry_; }
  // Where the addresses go that hosted controls ask new windows for (links with
  // target=_blank, window.open); none: nowhere.
  void set_open_address(std::function<void(const std::string&)> open) {
    relay_.set_open(std::move(open));
  }

 private:
  struct Hosted {
    std::unique_ptr<platform::QtControl> control;  // none: the fallback panel
    std::unique_ptr<QWidget> fallback;
  };
  struct WebWindow {
    std::unique_ptr<QWidget> window;
    std::unique_ptr<platform::QtControl> control;
  };

  QWidget* window_;
  platform::ControlRegistry registry_;
  NotCreated not_created_;
  AddressRelay relay_;
  std::map<uint64_t, Hosted> controls_;
  uint64_t next_ = 0;
  std::vector<WebWindow> web_windows_;
};

// The program's performer of the system actions' requests: LaunchInternetExplorer's window
// is opened by the control host and a DragFile dragged by `drag` (which answers whether the
// file was dropped), each told to the machine's services as a Report line before (and for
// a drag, after: request::DragFile::EndLine); everything else goes to the machine's
// services.
class HostedSystemServices : public SystemServices {
 public:
  using Drag = std::function<bool(const request::DragFile&)>;
  HostedSystemServices(SystemServices& machine, ControlHost& controls, Drag drag)
      : machine_(machine), controls_(controls), drag_(std::move(drag)) {}

  bool Perform(const SystemRequest& request) override;

 private:
  void Tell(std::string line);

  SystemServices& machine_;
  ControlHost& controls_;
  Drag drag_;
};

}  // namespace browser::shell
