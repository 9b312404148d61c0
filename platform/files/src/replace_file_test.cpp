#include "platform/replace_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace platform {
namespace {

namespace fs = std::filesystem;

class ReplaceFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("replace_file_test." + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  static mode_t Mode(const fs::path& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
  }
  size_t Entries() const {
    return std::distance(fs::directory_iterator(dir_), fs::directory_iterator());
  }

  fs::path dir_;
};

TEST_F(ReplaceFileTest, ReplacesTheContentsAndKeepsTheOldFilesPermissions) {
  const fs::path file = dir_ / "job.siz";
  ASSERT_EQ(ReplaceFile(file, std::string("first\0line", 10)), 0);
  EXPECT_EQ(Read(file), std::string("first\0line", 10));
  ::chmod(file.c_str(), 0640);
  ASSERT_EQ(ReplaceFile(file, "second", {.private_file = true}), 0);
  EXPECT_EQ(Read(file), "second");
  EXPECT_EQ(Mode(file), 0640u);
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(ReplaceFileTest, NewFilesFollowTheUmaskOrStayPrivate) {
  const mode_t mask = ::umask(022);
  ASSERT_EQ(ReplaceFile(dir_ / "open", "x"), 0);
  ASSERT_EQ(ReplaceFile(dir_ / "private", "x", {.private_file = true}), 0);
  ::umask(mask);
  EXPECT_EQ(Mode(dir_ / "open"), 0644u);
  EXPECT_EQ(Mode(dir_ / "private"), 0600u);
}

TEST_F(ReplaceFileTest, CreatesMissingFoldersOnlyWhenAsked) {
  const fs::path file = dir_ / "a" / "b" / "settings.ini";
  EXPECT_EQ(ReplaceFile(file, "x"), ENOENT);
  EXPECT_FALSE(fs::exists(dir_ / "a"));
  ASSERT_EQ(ReplaceFile(file, "x", {.create_folders = true}), 0);
  EXPECT_EQ(Read(file), "x");
}

TEST_F(ReplaceFileTest, AFailedReplacementLeavesTheOldFileAndNothingBesideIt) {
  const fs::path taken = dir_ / "taken";
  fs::create_directories(taken / "inside");
  EXPECT_NE(ReplaceFile(taken, "x"), 0);
  EXPECT_TRUE(fs::is_directory(taken / "inside"));
  EXPECT_EQ(Entries(), 1u);

  const fs::path kept = dir_ / "kept";
  ASSERT_EQ(ReplaceFile(kept, "old"), 0);
  ::chmod(dir_.c_str(), 0500);  // no new names in the folder
  const int code = ReplaceFile(kept, "new");
  ::chmod(dir_.c_str(), 0700);
  if (::geteuid() != 0) {
    EXPECT_EQ(code, EACCES);
  }
  if (code != 0) {
    EXPECT_EQ(Read(kept), "old");
  }
}

TEST_F(ReplaceFileTest, ANameAsLongAsTheFileSystemTakesIsReplacedToo) {
  for (const size_t length : {240u, 249u, 252u, 255u}) {
    const fs::path file = dir_ / std::string(length, 'j');
    ASSERT_EQ(ReplaceFile(file, "first"), 0) << length;
    ASSERT_EQ(ReplaceFile(file, "second"), 0) << length;
    EXPECT_EQ(Read(file), "second") << length;
    fs::remove(file);
    EXPECT_EQ(Entries(), 0u) << length;
  }
}

}  // namespace
}  // namespace platform
