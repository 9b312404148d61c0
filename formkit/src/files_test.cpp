#include <gtest/gtest.h>

#include "formkit_testing.h"
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "formkit/contact.h"
#include "formkit/file_store.h"
#include "formkit/text_io.h"

namespace formkit {
namespace {

namespace fs = std::filesystem;

using Files = testing::TempFolderTest;

TEST_F(Files, ReplacingWriteKeepsTheOldFileWhenTheFolderRefuses) {
  const std::string path = (dir / "job.siz").string();
  ASSERT_TRUE(WriteFileReplacing(path, "old\r\n"));
  EXPECT_EQ(ReadTextFile(path), "old\r\n");
  if (::geteuid() != 0) {  // root writes anywhere
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    std::string error;
    EXPECT_FALSE(WriteFileReplacing(path, "new\r\n", &error));
    EXPECT_NE(error.find(path), std::string::npos);
    EXPECT_EQ(ReadTextFile(path), "old\r\n");
    fs::permissions(dir, fs::perms::owner_all);
  }
  std::string error;
  EXPECT_FALSE(WriteFileReplacing((dir / "gone" / "job.siz").string(), "x", &error));
  EXPECT_FALSE(error.empty());
  // Nothing is left beside the file.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(Files, AFailedWriteSaysWhereAndWhyInPlainWords) {
  const std::string folder = (dir / "gone").string();
  std::string error;
  EXPECT_FALSE(WriteFileReplacing(folder + "/job.siz", "x", &error));
  EXPECT_EQ(error, "it could not be written to " + folder + "/job.siz, because the folder " +
                       folder + " does not exist");
  EXPECT_EQ(NotSavedText("job", error), "The job was not saved.\r\n\r\nIt could not be written to " +
                                            folder + "/job.siz, because the folder " + folder +
                                            " does not exist.");
  Write("plain", "x");
  EXPECT_FALSE(WriteFileReplacing((dir / "plain" / "job.siz").string(), "x", &error));
  EXPECT_NE(error.find("is not a folder"), std::string::npos) << error;
  fs::create_directories(dir / "job.siz");
  EXPECT_FALSE(WriteFileReplacing((dir / "job.siz").string(), "x", &error));
  EXPECT_NE(error.find((dir / "job.siz").string() + " is a folder"), std::string::npos) << error;
}

TEST_F(Files, ReplacingWriteKeepsPermissions) {
  const std::string path = (dir / "contact.dat").string();
  Write("contact.dat", "x");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(WriteFileReplacing(path, "y"));
  EXPECT_EQ(fs::status(path).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(Files, ContactFileLastRecordWins) {
  const std::string path = (dir / "contact.dat").string();
  EXPECT_EQ(ReadContactFile(path), std::nullopt);
  Write("contact.dat", "");
  ASSERT_TRUE(ReadContactFile(path));
  EXPECT_EQ(ReadContactFile(path)->name(), "");
  ContactInfo first, second;
  first.fields[0] = "First";
  second.fields = {"Pat Doe", "ACME, Inc.", "1 Main St", "", "Boise", "ID", "83702",
                   "555-1234", "", "pat@example.com", "example.com"};
  auto line = [](const ContactInfo& c) {
    std::string s;
    for (size_t i = 0; i < c.fields.size(); ++i) s += (i ? ",\"" : "\"") + c.fields[i] + "\"";
    return s + "\r\n";
  };
  Write("contact.dat", line(first) + line(second));
  const auto read = ReadContactFile(path);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->fields, second.fields);
  ASSERT_TRUE(WriteContactFile(first, path));
  EXPECT_EQ(ReadTextFile(path), line(first));
  Write("contact.dat", "\"only\",\"three\",\"fields\"\r\n");
  EXPECT_EQ(ReadContactFile(path), std::nullopt);
}

}  // namespace
}  // namespace formkit
