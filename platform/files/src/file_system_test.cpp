// The disk and the in-memory stand-in answer alike: every case runs against both.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/disk_file_system.h"
#include "platform/memory_file_system.h"

namespace platform {
namespace {

struct DiskPlace {
  DiskPlace() {
    std::string pattern = ::testing::TempDir() + "file_system_XXXXXX";
    root = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
  }
  ~DiskPlace() { std::filesystem::remove_all(root); }
  void File(const std::string& name, const std::string& bytes) {
    Folder(std::filesystem::path(name).parent_path());
    std::ofstream(root + "/" + name, std::ios::binary) << bytes;
  }
  void Folder(const std::string& name) { std::filesystem::create_directories(root + "/" + name); }
  void Other(const std::string& name) {
    Folder(std::filesystem::path(name).parent_path());
    ::mkfifo((root + "/" + name).c_str(), 0600);
  }
  DiskFileSystem files;
  std::string root;
};

struct MemoryPlace {
  void File(const std::string& name, const std::string& bytes) { files.WriteFile(root + "/" + name, bytes); }
  void Folder(const std::string& name) { files.MakeFolder(root + "/" + name); }
  void Other(const std::string& name) { files.MakeOther(root + "/" + name); }
  MemoryFileSystem files;
  std::string root = "/work";
};

template <typename Place>
class FileSystemTest : public ::testing::Test {
 protected:
  std::string At(const std::string& name) const { return place_.root + "/" + name; }
  Place place_;
};

using Places = ::testing::Types<DiskPlace, MemoryPlace>;
TYPED_TEST_SUITE(FileSystemTest, Places);

TYPED_TEST(FileSystemTest, OnlyRegularFilesOpenForReading) {
  auto& p = this->place_;
  p.File("a.cdb", "line\r\n");
  p.Folder("sub");
  p.Other("fifo");
  std::string error;
  auto file = p.files.OpenForReading(this->At("a.cdb"), &error);
  ASSERT_NE(file, nullptr);
  char bytes[16];
  EXPECT_EQ(file->Read(bytes, sizeof bytes, &error), 6);
  EXPECT_EQ(std::string(bytes, 6), "line\r\n");
  EXPECT_EQ(file->Read(bytes, sizeof bytes, &error), 0);
  for (const char* name : {"sub", "fifo"}) {
    EXPECT_EQ(p.files.OpenForReading(this->At(name), &error), nullptr) << name;
    EXPECT_EQ(error, "not a regular file");
  }
  EXPECT_EQ(p.files.OpenForReading(this->At("missing"), &error), nullptr);
  EXPECT_EQ(error, std::strerror(ENOENT));
}

TYPED_TEST(FileSystemTest, ReadFileIsBounded) {
  auto& p = this->place_;
  p.File("big", std::string(100, 'x'));
  std::string bytes, error;
  EXPECT_TRUE(p.files.ReadFile(this->At("big"), 100, &bytes, &error));
  EXPECT_EQ(bytes.size(), 100u);
  EXPECT_FALSE(p.files.ReadFile(this->At("big"), 99, &bytes, &error));
  EXPECT_EQ(error, "larger than 99 bytes");
  EXPECT_TRUE(bytes.empty());
}

TYPED_TEST(FileSystemTest, StatAndFolderNames) {
  auto& p = this->place_;
  p.File("sub/.hidden", "");
  p.File("sub/deeper/x", "");
  p.Other("sub/fifo");
  EXPECT_EQ(p.files.Stat(this->At("sub")), FileKind::kDirectory);
  EXPECT_EQ(p.files.Stat(this->At("sub/.hidden")), FileKind::kRegular);
  EXPECT_EQ(p.files.Stat(this->At("sub/fifo")), FileKind::kOther);
  EXPECT_EQ(p.files.Stat(this->At("sub/none")), FileKind::kNone);
  EXPECT_TRUE(p.files.Exists(this->At("sub/../sub/deeper/x")));
  std::vector<std::string> names;
  EXPECT_TRUE(p.files.ListFolder(this->At("sub"), [&](std::string_view name) {
    names.emplace_back(name);
    return true;
  }));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{".", "..", ".hidden", "deeper", "fifo"}));
  // The visitor stops the reading.
  int visited = 0;
  p.files.ListFolder(this->At("sub"), [&](std::string_view) { return ++visited < 2; });
  EXPECT_EQ(visited, 2);
  EXPECT_FALSE(p.files.ListFolder(this->At("sub/.hidden"), [](std::string_view) { return true; }));
  EXPECT_FALSE(p.files.ListFolder(this->At("none"), [](std::string_view) { return true; }));
}

TYPED_TEST(FileSystemTest, ReplaceWritesTheWholeFile) {
  auto& p = this->place_;
  p.File("kept.kps", "old");
  EXPECT_EQ(p.files.Replace(this->At("kept.kps"), "new text"), 0);
  std::string bytes, error;
  ASSERT_TRUE(p.files.ReadFile(this->At("kept.kps"), 100, &bytes, &error));
  EXPECT_EQ(bytes, "new text");
  EXPECT_EQ(p.files.Replace(this->At("no/folder/f"), "x"), ENOENT);
  EXPECT_EQ(p.files.Replace(this->At("no/folder/f"), "x", {.create_folders = true}), 0);
  EXPECT_EQ(p.files.Stat(this->At("no/folder")), FileKind::kDirectory);
}

TEST(MemoryFileSystem, PathsAndFailures) {
  EXPECT_EQ(MemoryFileSystem::Normalize("a//./c/../b"), "/a/b");
  EXPECT_EQ(MemoryFileSystem::Normalize("/../.."), "/");
  MemoryFileSystem files;
  files.WriteFile("/cd/show.cdz", "old");
  std::string error;
  auto open = files.OpenForReading("/cd/show.cdz", &error);
  files.set_replace_error(ENOSPC);
  EXPECT_EQ(files.Replace("/cd/show.cdz", "new"), ENOSPC);
  EXPECT_EQ(files.Contents("/cd/show.cdz"), "old");
  files.set_replace_error(0);
  EXPECT_EQ(files.Replace("/cd/show.cdz", "new"), 0);
  EXPECT_EQ(files.replaced(), std::vector<std::string>{"/cd/show.cdz"});
  // A file opened before keeps reading what it held.
  char bytes[8];
  EXPECT_EQ(open->Read(bytes, sizeof bytes, &error), 3);
  EXPECT_EQ(std::string(bytes, 3), "old");
  EXPECT_EQ(files.Replace("/cd", "x"), EISDIR);
}

}  // namespace
}  // namespace platform
