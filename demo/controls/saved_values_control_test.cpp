// The CD's control reads back exactly what the browser's SaveToFile wrote: the browser's own
// data file writes the archive, the control library is found in its folder and called by name.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include "archive_value.h"
#include "browser/doc/data_file.h"
#include "platform/control_registry.h"
#include "platform/disk_file_system.h"
#include "platform/paths.h"

namespace {

using corvane_cd::ArchiveValue;
using platform::Variant;

TEST(ArchiveValue, OnlyItsSectionKeysWithoutCaseAndEitherLineEnd) {
  const QString text = QStringLiteral(
      "[Other]\r\nLastPage = other.cdb\r\n[VTRL Archive]\r\nlastpage = about.cdb\r\n"
      "LastPageSeen = no\r\n[Later]\nLastPage = later.cdb\n");
  EXPECT_EQ(ArchiveValue(text, QStringLiteral("LastPage")), QStringLiteral("about.cdb"));
  EXPECT_EQ(ArchiveValue(text, QStringLiteral("LASTPAGESEEN")), QStringLiteral("no"));
  EXPECT_EQ(ArchiveValue(text, QStringLiteral("Missing")), QString());
  EXPECT_EQ(ArchiveValue(QStringLiteral("LastPage = loose.cdb\n"), QStringLiteral("LastPage")),
            QString());
  // A value keeps its own blanks and equals signs.
  EXPECT_EQ(ArchiveValue(QStringLiteral("[VTRL Archive]\nKey =  a = b \n"), QStringLiteral("Key")),
            QStringLiteral(" a = b "));
}

TEST(SavedValuesControl, ReadsWhatTheBrowserSavedInTheUsersTemporaryFolder) {
  // The temporary folder is the user's choice, as it is for the browser.
  QTemporaryDir temp;
  ASSERT_TRUE(temp.isValid());
  qputenv("TMPDIR", temp.path().toUtf8());
  const std::string name = "saved";
  // Where SaveToFile with "useTemDir" writes it.
  const std::string path = platform::TempDirectory(temp.path().toStdString()) + name + ".kps";
  browser::CDataFile archive;
  archive.WriteString("VTRL Archive", "LastPage", "brochures.cdb");
  archive.WriteString("VTRL Archive", "Visitor", "Grüße");
  platform::DiskFileSystem disk;
  ASSERT_TRUE(archive.SaveText(disk, path).ok());

  platform::ControlRegistry registry({QStringLiteral(CORVANE_SAVED_VALUES_FOLDER)},
                                     [](const QString& line) { ADD_FAILURE() << line.toStdString(); });
  QWidget parent;
  auto control = registry.Create("corvane.savedvalues", &parent);
  ASSERT_NE(control, nullptr);
  const Variant file = Variant::Utf8(name);
  Variant result;
  ASSERT_TRUE(control->Call("ReadSaved", {file, Variant::Utf8("lastpage")}, &result));
  EXPECT_EQ(result.TextUtf8(), "brochures.cdb");
  ASSERT_TRUE(control->Call("ReadSaved", {file, Variant::Utf8("Visitor")}, &result));
  EXPECT_EQ(result.TextUtf8(), "Grüße");
  ASSERT_TRUE(control->Call("ReadSaved", {file, Variant::Utf8("Nothing")}, &result));
  EXPECT_EQ(result.TextUtf8(), "");
  QFile::remove(QString::fromStdString(path));
  // No archive at all (a first run): an empty text, not a failed call.
  ASSERT_TRUE(control->Call("ReadSaved", {file, Variant::Utf8("LastPage")}, &result));
  EXPECT_EQ(result.TextUtf8(), "");
}

}  // namespace
