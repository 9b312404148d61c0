#include "saved_values_control.h"

#include <QDir>
#include <QFile>

#include "archive_value.h"

namespace corvane_cd {

QString SavedValuesControl::ReadSaved(const QString& Name, const QString& Key) const {
  QFile file(folder_ + Name + QStringLiteral(".kps"));
  // An archive is a few lines; anything far larger is not one of ours.
  constexpr qint64 kLargest = 1 << 20;
  if (!file.open(QIODevice::ReadOnly) || file.size() > kLargest) return {};
  return ArchiveValue(QString::fromUtf8(file.read(kLargest)), Key);
}

// The browser's temporary folder for SaveToFile: the user's TMPDIR, else /tmp.
QWidget* SavedValuesFactory::CreateControl(const QString&, QWidget* parent) {
  return new SavedValuesControl(QDir::tempPath() + u'/', parent);
}

}  // namespace corvane_cd
