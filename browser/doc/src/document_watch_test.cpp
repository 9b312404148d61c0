#include "browser/doc/document_watch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/disk_file_system.h"
#include "platform/memory_file_system.h"
#include "test_files.h"

namespace browser {
namespace {

using ::browser::testing::TempDir;
using ::browser::testing::WriteFile;

// Of a folder, what its pages show counts, in it and in its folders, not an editor's own files
// nor the values a page saves; of a single file, only that file, however it is saved.
TEST(DocumentWatch, WhatCounts) {
  TempDir dir;
  platform::DiskFileSystem disk;
  std::filesystem::create_directories(dir.Path("tour/pictures"));
  std::filesystem::create_directories(dir.Path("tour/.git"));
  WriteFile(dir.Path("tour/page.cdb"), "[Main]\n");
  DocumentWatch folder(disk, dir.Path("tour/"));
  ASSERT_TRUE(folder.Arm()) << folder.error();
  EXPECT_EQ(folder.Folders(),
            (std::vector<std::string>{dir.Path("tour"), dir.Path("tour/pictures")}));

  WriteFile(dir.Path("tour/.page.cdb.swp"), "x");
  WriteFile(dir.Path("tour/page.cdb~"), "x");
  WriteFile(dir.Path("tour/#page.cdb#"), "x");
  WriteFile(dir.Path("tour/saved.kps"), "k = v");
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_FALSE(folder.TakeChanges());
  WriteFile(dir.Path("tour/pictures/logo.bmp"), "BM");
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_TRUE(folder.TakeChanges());

  DocumentWatch file(disk, dir.Path("tour/page.cdb"));
  ASSERT_TRUE(file.Arm());
  WriteFile(dir.Path("tour/other.cdb"), "[Main]\n");
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_FALSE(file.TakeChanges());
  WriteFile(dir.Path("tour/page.cdb.new"), "[Main]\ntitle = new\n");
  std::filesystem::rename(dir.Path("tour/page.cdb.new"), dir.Path("tour/page.cdb"));
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_TRUE(file.TakeChanges());
}

// The folders watched are asked of the files handed in: a folder document's own and its folders
// one level down, not hidden ones nor files, and not more than a user's watches can bear; a
// single file's folder.
TEST(DocumentWatch, FoldersComeFromTheFilesHandedIn) {
  platform::MemoryFileSystem files;
  files.WriteFile("/tour/page.cdb", "[Main]\n");
  files.WriteFile("/tour/pictures/logo.gif", "GIF89a");
  files.MakeFolder("/tour/.git");
  EXPECT_EQ(DocumentWatch(files, "/tour/").Folders(),
            (std::vector<std::string>{"/tour", "/tour/pictures"}));
  EXPECT_EQ(DocumentWatch(files, "/tour/page.cdb").Folders(), std::vector<std::string>{"/tour/"});
  EXPECT_EQ(DocumentWatch(files, "page.cdb").Folders(), std::vector<std::string>{"."});

  for (int i = 0; i < 500; ++i) files.MakeFolder("/tour/f" + std::to_string(i));
  EXPECT_LE(DocumentWatch(files, "/tour").Folders().size(), 65u);
}

// Waiting ends with the save, once it has settled, or when asked to stop.
TEST(DocumentWatch, WaitForChange) {
  TempDir dir;
  platform::DiskFileSystem disk;
  WriteFile(dir.Path("page.cdb"), "[Main]\n");
  DocumentWatch watch(disk, dir.Path("page.cdb"));
  ASSERT_TRUE(watch.Arm());
  std::thread writer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    WriteFile(dir.Path("page.cdb"), "[Main]\ntitle = a\n");
    WriteFile(dir.Path("page.cdb"), "[Main]\ntitle = b\n");
  });
  const auto started = std::chrono::steady_clock::now();
  EXPECT_TRUE(watch.WaitForChange([&] {
    return std::chrono::steady_clock::now() - started > std::chrono::seconds(10);
  }));
  writer.join();
  // Both writes were one change.
  EXPECT_FALSE(watch.TakeChanges());
  int asked = 0;
  EXPECT_FALSE(watch.WaitForChange([&] { return ++asked > 2; }));
}

}  // namespace
}  // namespace browser
