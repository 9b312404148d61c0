#include "platform/folder_watch.h"

#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace platform {
namespace {

std::set<std::string> Names(const std::vector<FolderWatch::Change>& changes) {
  std::set<std::string> names;
  for (const auto& c : changes) names.insert(c.name);
  return names;
}

// What an editor does on saving is seen: a file written in place, and one written beside and
// renamed over the old; a folder no longer asked for is not watched any more.
TEST(FolderWatch, SeesWritesAndRenamesInItsFolders) {
  std::string pattern = ::testing::TempDir() + "folder_watch_XXXXXX";
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const std::string dir = pattern;
  std::filesystem::create_directory(dir + "/pictures");
  std::ofstream(dir + "/page.cdb") << "[Main]\n";

  FolderWatch watch;
  ASSERT_TRUE(watch.Watch({dir, dir + "/pictures"})) << watch.error();
  EXPECT_FALSE(watch.Wait(0));
  std::ofstream(dir + "/page.cdb") << "[Main]\ntitle = x\n";
  std::ofstream(dir + "/.page.cdb.new") << "[Main]\n";
  std::filesystem::rename(dir + "/.page.cdb.new", dir + "/page.cdb");
  std::ofstream(dir + "/pictures/logo.bmp") << "BM";
  ASSERT_TRUE(watch.Wait(1000));
  const auto changes = watch.Take();
  EXPECT_EQ(Names(changes), (std::set<std::string>{"page.cdb", ".page.cdb.new", "logo.bmp"}));
  EXPECT_TRUE(watch.Take().empty());

  EXPECT_FALSE(watch.Watch({dir, dir + "/missing"}));
  EXPECT_NE(watch.error().find("/missing"), std::string::npos);
  watch.Take();
  std::ofstream(dir + "/pictures/logo.bmp") << "BM2";
  EXPECT_FALSE(watch.Wait(50));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace platform
