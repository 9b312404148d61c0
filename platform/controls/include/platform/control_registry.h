// Where controls come from: built-in classes and control plug-ins (control_plugin.h), each
// answering a list of names (ProgIDs, and CLSIDs in braces) compared without regard to case.
//
// Plug-in folders are searched in the order given, on the first lookup, by reading each
// library's metadata without loading it; a library is loaded only when a control of its
// names is created, so a document without such a control pays nothing for it. A file that
// is no plug-in of this interface version, or fails to load, is skipped with one line told
// to `complain`. The first class to claim a name keeps it; built-in classes come first.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/qt_control.h"

class QPluginLoader;

namespace platform {

class ControlRegistry {
 public:
  using Maker = std::function<QWidget*(const QString& name, QWidget* parent)>;

  ControlRegistry(QStringList plugin_folders, std::function<void(const QString&)> complain);
  ~ControlRegistry();
  ControlRegistry(const ControlRegistry&) = delete;
  ControlRegistry& operator=(const ControlRegistry&) = delete;

  void AddBuiltIn(const QStringList& names, Maker make);

  // A new control for `name`, its widget a child of `parent`; nullptr when no class answers
  // the name or its plug-in cannot be loaded.
  std::unique_ptr<QtControl> Create(std::string_view name, QWidget* parent);
  // True when some class answers `name` (its plug-in is not loaded to find out).
  bool Knows(std::string_view name);
  // The plug-in file that answers `name`, or empty (built-in or unknown).
  QString PluginFile(std::string_view name);
  // True when the plug-in that answers `name` says its controls draw through OpenGL.
  bool DrawsThroughOpenGL(std::string_view name);
  // The folders are searched again on the next lookup. A folder whose contents changed
  // (a library was installed or removed) is noticed without it.
  void Rescan();

  const QStringList& plugin_folders() const { return folders_; }

 private:
  struct Plugin;
  struct Entry {
    QString name;        // lower case
    Maker make;          // built-in
    int plugin = -1;     // else the plug-in's index
  };
  const Entry* Find(std::string_view name);
  void Scan();
  QStringList Stamps() const;
  QWidget* CreateFromPlugin(Plugin& plugin, const QString& name, QWidget* parent);

  QStringList folders_;
  std::function<void(const QString&)> complain_;
  std::vector<Entry> builtins_;
  std::vector<Entry> found_;
  std::vector<std::unique_ptr<Plugin>> plugins_;
  bool scanned_ = false;
  // What the folders held at the last scan: each library's name, size and time. Folder times
  // alone miss a library put in and taken out again within the file system's clock tick.
  QStringList stamps_;
};

}  // namespace platform
