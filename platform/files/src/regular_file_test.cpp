#include "platform/regular_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace platform {
namespace {

std::string TempDirectory() {
  const char* base = std::getenv("TMPDIR");
  std::string templ = std::string(base != nullptr ? base : "/tmp") + "/regular_file_test.XXXXXX";
  return mkdtemp(templ.data()) != nullptr ? templ : std::string();
}

// Each of these would block or never end if it were opened as a file: no writer ever comes
// to the FIFO.
TEST(RegularFile, FifosDevicesAndFoldersAreRefusedAtOnce) {
  const std::string dir = TempDirectory();
  ASSERT_FALSE(dir.empty());
  const std::string fifo = dir + "/fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo, std::string("/dev/zero"), dir}) {
    SCOPED_TRACE(path);
    OpenedFile file = OpenRegularFile(path);
    EXPECT_EQ(file.fd, -1);
    EXPECT_EQ(file.error, "not a regular file");
    std::string bytes = "old", error;
    EXPECT_FALSE(ReadRegularFile(path, 1 << 20, &bytes, &error));
    EXPECT_EQ(error, "not a regular file");
    EXPECT_TRUE(bytes.empty());
  }
  std::string bytes, error;
  EXPECT_FALSE(ReadRegularFile(dir + "/missing", 100, &bytes, &error));
  EXPECT_EQ(error, "No such file or directory");
  std::remove(fifo.c_str());
  rmdir(dir.c_str());
}

TEST(RegularFile, ReadsAreBounded) {
  const std::string dir = TempDirectory();
  const std::string path = dir + "/text";
  std::ofstream(path) << std::string(100000, 'x');
  std::string bytes, error;
  EXPECT_TRUE(ReadRegularFile(path, 100000, &bytes, &error));
  EXPECT_EQ(bytes.size(), 100000u);
  EXPECT_FALSE(ReadRegularFile(path, 99999, &bytes, &error));
  EXPECT_EQ(error, "larger than 99999 bytes");
  EXPECT_TRUE(bytes.empty());
  OpenedFile file = OpenRegularFile(path);
  ASSERT_GE(file.fd, 0);
  char c = 0;
  EXPECT_EQ(read(file.fd, &c, 1), 1);
  close(file.fd);
  std::remove(path.c_str());
  rmdir(dir.c_str());
}

}  // namespace
}  // namespace platform
