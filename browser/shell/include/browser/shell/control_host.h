// The window's hosted controls: each is a child widget made by name through the control
// registry (built-in classes, then the plug-ins of the program's own folder "controls"
// beside it and of the user's folder), or, when no class answers the name or its plug-in
// refuses to start it, a panel naming the control (ControlFallback) with nothing to script.
// Also the small web windows that LaunchInternetExplorer opens with the web control.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "browser/script/element.h"
#include "browser/shell/address_relay.h"
#include "browser/script/system_services.h"
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

// The machine's services with LaunchInternetExplorer's window opened by the control host.
class HostedSystemServices : public SystemServices {
 public:
  HostedSystemServices(SystemServices* machine, ControlHost& controls)
      : machine_(machine), controls_(controls) {}

  void RunProgram(const std::string& path, const std::string& parameters) override {
    if (machine_) machine_->RunProgram(path, parameters);
  }
  void ShellOpen(const std::string& path) override {
    if (machine_) machine_->ShellOpen(path);
  }
  void OpenFolder(const std::string& path) override {
    if (machine_) machine_->OpenFolder(path);
  }
  void OpenAddress(const std::string& address) override {
    if (machine_) machine_->OpenAddress(address);
  }
  void PlaySound(const std::string& path) override {
    if (machine_) machine_->PlaySound(path);
  }
  void PostWindowMessage(const std::string& window_class, int32_t message, int32_t wparam,
                         int32_t lparam) override {
    if (machine_) machine_->PostWindowMessage(window_class, message, wparam, lparam);
  }
  void SaveDataFile(const CDataFile& file, const std::string& path, const std::string& key,
                    const std::string* value) override {
    if (machine_) machine_->SaveDataFile(file, path, key, value);
  }
  bool RegisterControl(const ControlRegistration& control) override {
    return machine_ != nullptr && machine_->RegisterControl(control);
  }
  bool OpenWebWindow(const std::string& address) override {
    if (machine_) machine_->Report("web window: " + address);
    return controls_.OpenWebWindow(address);
  }
  void Report(const std::string& line) override {
    if (machine_) machine_->Report(line);
  }

 private:
  SystemServices* machine_;
  ControlHost& controls_;
};

}  // namespace browser::shell
