// What a "SaveToFile" action kept: its file holds "Key = value" lines in the section
// "VTRL Archive".
#pragma once

#include <QString>

namespace corvane_cd {

// The value of `key` (compared without regard to case) in the "VTRL Archive" section of
// the text `archive`; empty when absent.
QString ArchiveValue(const QString& archive, const QString& key);

}  // namespace corvane_cd
