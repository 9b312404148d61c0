#include "platform/plugin_control_libraries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>
#include <QTemporaryFile>

#include "platform/control_plugin.h"

namespace platform {
namespace {

bool Fail(std::string* error, const QString& why) {
  if (error) *error = why.toStdString();
  return false;
}

// Replaces `target` with a copy of `source` so that it holds either the old file or the
// whole new one.
bool CopyInto(const QString& source, const QString& target, QString* why) {
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) return *why = in.errorString(), false;
  QTemporaryFile out(target + QStringLiteral(".XXXXXX"));
  out.setAutoRemove(true);
  if (!out.open()) return *why = out.errorString(), false;
  while (!in.atEnd()) {
    const QByteArray block = in.read(1 << 16);
    if (block.isEmpty() && in.error() != QFile::NoError) return *why = in.errorString(), false;
    if (out.write(block) != block.size()) return *why = out.errorString(), false;
  }
  if (!out.flush()) return *why = out.errorString(), false;
  out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                     QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                     QFileDevice::ExeOther);
  QFile::remove(target);
  if (!out.rename(target)) return *why = out.errorString(), false;
  out.setAutoRemove(false);
  return true;
}

}  // namespace

std::string PluginControlLibraries::UserPluginFolder(const std::string& xdg_data_home,
                                                     const std::string& home) {
  const std::string base = !xdg_data_home.empty() ? xdg_data_home : home + "/.local/share";
  return base + "/panorel/controls";
}

bool PluginControlLibraries::Register(const std::string& path, bool unregister,
                                      std::string* error) {
  const QString file = QString::fromStdString(path);
  if (!QFileInfo(file).isFile()) return Fail(error, file + QStringLiteral(": no such control library"));
  // A library of another kind is not loaded at all: its code would run for nothing.
  const QJsonObject meta = QPluginLoader(file).metaData();
  if (meta.value(QStringLiteral("IID")).toString() != QLatin1String(CORVANE_CONTROL_FACTORY_IID)) {
    return Fail(error, file + QStringLiteral(": not a control library of interface ") +
                           QLatin1String(CORVANE_CONTROL_FACTORY_IID));
  }
  QLibrary library(file);
  if (!library.load()) return Fail(error, library.errorString());
  const char* name = unregister ? "DllUnregisterServer" : "DllRegisterServer";
  using Export = int (*)();
  auto registration = reinterpret_cast<Export>(library.resolve(name));
  if (registration == nullptr) return Fail(error, file + QStringLiteral(": no export ") + QLatin1String(name));
  const int answer = registration();
  if (answer < 0) {
    return Fail(error, file + QStringLiteral(": ") + QLatin1String(name) +
                           QStringLiteral(" answered %1").arg(answer));
  }

  const QString folder = QString::fromStdString(folder_);
  const QString installed = folder + QLatin1Char('/') + QFileInfo(file).fileName();
  if (unregister) {
    if (QFileInfo::exists(installed) && !QFile::remove(installed)) {
      return Fail(error, installed + QStringLiteral(": cannot remove it"));
    }
    return true;
  }
  if (!QDir().mkpath(folder)) return Fail(error, folder + QStringLiteral(": cannot create it"));
  if (QFileInfo(file).canonicalFilePath() == QFileInfo(installed).canonicalFilePath()) return true;
  QString why;
  if (!CopyInto(file, installed, &why)) return Fail(error, installed + QStringLiteral(": ") + why);
  return true;
}

}  // namespace platform
