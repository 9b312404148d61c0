#include "platform/control_registry.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>

#include "platform/control_plugin.h"

namespace platform {

struct ControlRegistry::Plugin {
  QString file;
  std::unique_ptr<QPluginLoader> loader;  // made when a control of the plug-in is created
  bool failed = false;
  bool opengl = false;  // its metadata's "opengl"
};

namespace {

QString Key(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toLower();
}

}  // namespace

ControlRegistry::ControlRegistry(QStringList plugin_folders,
                                 std::function<void(const QString&)> complain)
    : folders_(std::move(plugin_folders)), complain_(std::move(complain)) {}

ControlRegistry::~ControlRegistry() = default;

void ControlRegistry::AddBuiltIn(const QStringList& names, Maker make) {
  for (const QString& name : names) builtins_.push_back({name.toLower(), make, -1});
}

void ControlRegistry::Rescan() {
  // Loaded plug-ins stay loaded: their controls may still be shown.
  scanned_ = false;
}

QStringList ControlRegistry::Stamps() const {
  QStringList stamps;
  for (const QString& folder : folders_) {
    stamps.push_back(folder);
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.so")}, QDir::Files, QDir::Name);
    for (const QFileInfo& info : files) {
      stamps.push_back(info.fileName() + QLatin1Char('\n') + QString::number(info.size()) +
                       QLatin1Char('\n') +
                       QString::number(info.lastModified().toMSecsSinceEpoch()));
    }
  }
  return stamps;
}

void ControlRegistry::Scan() {
  scanned_ = true;
  stamps_ = Stamps();
  found_.clear();
  for (const QString& folder : folders_) {
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.so")}, QDir::Files, QDir::Name);
    for (const QFileInfo& info : files) {
      const QString path = info.absoluteFilePath();
      const QJsonObject meta = QPluginLoader(path).metaData();
      if (meta.value(QStringLiteral("IID")).toString() != QLatin1String(CORVANE_CONTROL_FACTORY_IID)) {
        if (complain_) {
          complain_(QStringLiteral("control plug-in %1 skipped: not a control library of interface %2")
                        .arg(path, QLatin1String(CORVANE_CONTROL_FACTORY_IID)));
        }
        continue;
      }
      int index = -1;
      for (size_t i = 0; i < plugins_.size(); ++i) {
        if (plugins_[i]->file == path) index = static_cast<int>(i);
      }
      if (index < 0) {
        plugins_.push_back(std::make_unique<Plugin>());
        plugins_.back()->file = path;
        index = static_cast<int>(plugins_.size() - 1);
      }
      const QJsonObject own = meta.value(QStringLiteral("MetaData")).toObject();
      plugins_[static_cast<size_t>(index)]->opengl =
          own.value(QStringLiteral("opengl")).toBool(false);
      const QJsonArray names = own.value(QStringLiteral("names")).toArray();
      for (const auto& n : names) found_.push_back({n.toString().toLower(), {}, index});
    }
  }
}

const ControlRegistry::Entry* ControlRegistry::Find(std::string_view name) {
  const QString key = Key(name);
  if (key.isEmpty()) return nullptr;
  for (const Entry& e : builtins_) {
    if (e.name == key) return &e;
  }
  if (!scanned_ || Stamps() != stamps_) Scan();
  for (const Entry& e : found_) {
    if (e.name == key && !plugins_[static_cast<size_t>(e.plugin)]->failed) return &e;
  }
  return nullptr;
}

bool ControlRegistry::Knows(std::string_view name) { return Find(name) != nullptr; }

QString ControlRegistry::PluginFile(std::string_view name) {
  const Entry* e = Find(name);
  return e && e->plugin >= 0 ? plugins_[static_cast<size_t>(e->plugin)]->file : QString();
}

bool ControlRegistry::DrawsThroughOpenGL(std::string_view name) {
  const Entry* e = Find(name);
  return e && e->plugin >= 0 && plugins_[static_cast<size_t>(e->plugin)]->opengl;
}

QWidget* ControlRegistry::CreateFromPlugin(Plugin& plugin, const QString& name, QWidget* parent) {
  if (!plugin.loader) plugin.loader = std::make_unique<QPluginLoader>(plugin.file);
  auto* factory = qobject_cast<ControlFactory*>(plugin.loader->instance());
  if (factory == nullptr) {
    plugin.failed = true;
    if (complain_) {
      complain_(QStringLiteral("control plug-in %1 skipped: %2")
                    .arg(plugin.file, plugin.loader->errorString()));
    }
    return nullptr;
  }
  return factory->CreateControl(name, parent);
}

std::unique_ptr<QtControl> ControlRegistry::Create(std::string_view name, QWidget* parent) {
  const Entry* e = Find(name);
  if (e == nullptr) return nullptr;
  const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  QWidget* widget = e->plugin >= 0
                        ? CreateFromPlugin(*plugins_[static_cast<size_t>(e->plugin)], text, parent)
                        : e->make(text, parent);
  if (widget == nullptr) return nullptr;
  return std::make_unique<QtControl>(widget);
}

}  // namespace platform
