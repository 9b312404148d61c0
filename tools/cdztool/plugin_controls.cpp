#include "plugin_controls.h"

#include <cstdlib>

#ifdef CDZTOOL_PLUGIN_CONTROLS
#include <QStringList>

#include "platform/control_registry.h"
#include "platform/plugin_control_libraries.h"
#include "platform/test_control.h"
#endif

namespace cdztool {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

#ifdef CDZTOOL_PLUGIN_CONTROLS
class PluginControls : public LintControls {
 public:
  explicit PluginControls(std::vector<std::string> folders)
      : folders_(std::move(folders)), registry_(QtFolders(folders_), nullptr) {
    platform::AddTestControl(registry_);
  }
  bool Provides(const std::string& name) const override { return registry_.Knows(name); }
  std::string Where() const override {
    std::string where;
    for (const std::string& folder : folders_) where += (where.empty() ? "" : ", ") + folder;
    return where;
  }

 private:
  static QStringList QtFolders(const std::vector<std::string>& folders) {
    QStringList list;
    for (const std::string& folder : folders) list.push_back(QString::fromStdString(folder));
    return list;
  }
  std::vector<std::string> folders_;
  // The registry reads the folders on its first lookup.
  mutable platform::ControlRegistry registry_;
};
#endif

}  // namespace

std::vector<std::string> PluginFoldersFor(const std::string& document_dir) {
  std::vector<std::string> folders{document_dir + "controls"};
#ifdef CDZTOOL_BUILD_PLUGIN_FOLDER
  folders.push_back(CDZTOOL_BUILD_PLUGIN_FOLDER);
#endif
#ifdef CDZTOOL_PLUGIN_CONTROLS
  folders.push_back(platform::PluginControlLibraries::UserPluginFolder(
      Environment("XDG_DATA_HOME"), Environment("HOME")));
#else
  (void)Environment;
#endif
  return folders;
}

std::unique_ptr<LintControls> MakePluginControls(std::vector<std::string> folders) {
#ifdef CDZTOOL_PLUGIN_CONTROLS
  return std::make_unique<PluginControls>(std::move(folders));
#else
  (void)folders;
  return nullptr;
#endif
}

}  // namespace cdztool
