#include "archive_value.h"

#include <QRegularExpression>
#include <QStringList>

namespace corvane_cd {

QString ArchiveValue(const QString& archive, const QString& key) {
  const QString prefix = key + QStringLiteral(" = ");
  bool inside = false;
  for (const QString& line : archive.split(QRegularExpression(QStringLiteral("[\r\n]")),
                                           Qt::SkipEmptyParts)) {
    if (line.size() > 2 && line.startsWith(u'[') && line.endsWith(u']')) {
      inside = line == QStringLiteral("[VTRL Archive]");
    } else if (inside && line.startsWith(prefix, Qt::CaseInsensitive)) {
      return line.mid(prefix.size());
    }
  }
  return {};
}

}  // namespace corvane_cd
