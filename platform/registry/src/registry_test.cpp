#include "platform/registry.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/memory_registry.h"

namespace platform {
namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("registry_test_" + std::to_string(getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    path_ = (dir_ / "sub" / "registry.ini").string();
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string FileText() const {
    std::ifstream in(path_);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  std::filesystem::path dir_;
  std::string path_;
};

// What every store answers alike, on the disk and in memory.
void WritesAndReadsStringsAndDwords(RegistryStore& reg) {
  EXPECT_FALSE(reg.ReadString("Software\\Corvane", "Name"));  // nothing written yet
  ASSERT_TRUE(reg.WriteString("Software\\Corvane\\Show", "Name", "Demo = 1% [x]\nsecond"));
  ASSERT_TRUE(reg.WriteDword("Software\\Corvane\\Show", "Count", 42));
  ASSERT_TRUE(reg.WriteString("Software\\Other", "Name", "other"));
  ASSERT_TRUE(reg.WriteString("Software\\Corvane\\Show", "name", "replaced"));

  // Names ignore case and "/" separates like "\".
  EXPECT_EQ(reg.ReadString("software/corvane/SHOW", "NAME"), "replaced");
  EXPECT_EQ(reg.ReadDword("Software\\Corvane\\Show", "count"), 42u);
  EXPECT_FALSE(reg.ReadString("Software\\Corvane\\Show", "Count"));  // a DWORD, not a string
  EXPECT_FALSE(reg.ReadDword("Software\\Corvane\\Show", "Name"));
  EXPECT_FALSE(reg.ReadString("Software\\Corvane", "Name"));  // keys are not inherited
  EXPECT_EQ(reg.ReadString("Software\\Other", "Name"), "other");

  ASSERT_TRUE(reg.WriteString("K", "odd=name", "a%b\r\nc"));
  EXPECT_EQ(reg.ReadString("K", "odd=name"), "a%b\r\nc");
}

void AKeyExistsOnceWrittenWhateverTheCaseOrSeparator(RegistryStore& reg) {
  EXPECT_FALSE(reg.HasKey("Software\\Corvane\\Bar"));  // nothing written yet
  ASSERT_TRUE(reg.WriteDword("Software\\Corvane\\Bar", "OnTop", 1));
  EXPECT_TRUE(reg.HasKey("software/corvane/BAR"));
  EXPECT_FALSE(reg.HasKey("Software\\Corvane\\Bar\\Sub"));
  EXPECT_FALSE(reg.HasKey("Software\\Corvane"));
}

TEST_F(RegistryTest, StoresAnswerAlike) {
  UserRegistry disk(path_);
  MemoryRegistry memory;
  for (RegistryStore* reg : std::initializer_list<RegistryStore*>{&disk, &memory}) {
    WritesAndReadsStringsAndDwords(*reg);
  }
  UserRegistry other_disk(path_ + ".2");
  MemoryRegistry other_memory;
  for (RegistryStore* reg : std::initializer_list<RegistryStore*>{&other_disk, &other_memory}) {
    AKeyExistsOnceWrittenWhateverTheCaseOrSeparator(*reg);
  }
}

TEST(MemoryRegistry, AFailedWriteChangesNothing) {
  MemoryRegistry reg;
  ASSERT_TRUE(reg.WriteString("K", "a", "kept"));
  reg.set_write_error("disk full");
  std::string error;
  EXPECT_FALSE(reg.WriteString("K", "a", "lost", &error));
  EXPECT_EQ(error, "disk full");
  EXPECT_EQ(reg.ReadString("K", "a"), "kept");
}

TEST_F(RegistryTest, FileIsPlainIni) {
  UserRegistry reg(path_);
  ASSERT_TRUE(reg.WriteString("Software\\Corvane", "Title", "Show"));
  ASSERT_TRUE(reg.WriteDword("Software\\Corvane", "Width", 0x2a));
  EXPECT_EQ(FileText(), "[Software\\Corvane]\nTitle=sz:Show\nWidth=dword:0000002a\n");
}

TEST_F(RegistryTest, FailedWriteKeepsTheOldFile) {
  UserRegistry reg(path_);
  ASSERT_TRUE(reg.WriteString("K", "a", "kept"));
  const std::string before = FileText();
  // A file size limit makes the write fail half way, even for root.
  struct rlimit old_limit {};
  ::getrlimit(RLIMIT_FSIZE, &old_limit);
  struct rlimit limit = old_limit;
  limit.rlim_cur = 4096;
  auto* old_handler = std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::string error;
  const bool written = reg.WriteString("K", "a", "lost" + std::string(65536, 'x'), &error);
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_FALSE(written);
  EXPECT_NE(error.find("registry.ini"), std::string::npos) << error;
  EXPECT_EQ(FileText(), before);
  EXPECT_EQ(reg.ReadString("K", "a"), "kept");
}

TEST_F(RegistryTest, DefaultPathFollowsXdgConfigHome) {
  const char* old = std::getenv("XDG_CONFIG_HOME");
  const char* old_home = std::getenv("HOME");
  std::string saved = old ? old : "", saved_home = old_home ? old_home : "";
  setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
  EXPECT_EQ(UserRegistry::DefaultPath(), "/tmp/cfg/corvane/registry.ini");
  setenv("XDG_CONFIG_HOME", "", 1);
  setenv("HOME", "/home/u", 1);
  EXPECT_EQ(UserRegistry::DefaultPath(), "/home/u/.config/corvane/registry.ini");
  if (old) setenv("XDG_CONFIG_HOME", saved.c_str(), 1); else unsetenv("XDG_CONFIG_HOME");
  if (old_home) setenv("HOME", saved_home.c_str(), 1);
}

TEST_F(RegistryTest, DamagedLinesAreIgnored) {
  std::filesystem::create_directories(dir_ / "sub");
  std::ofstream(path_) << "stray=sz:x\n[K]\nnoequals\nn=sz:v\nd=dword:zz\nbig=dword:100000000\n";
  UserRegistry reg(path_);
  EXPECT_EQ(reg.ReadString("K", "n"), "v");
  EXPECT_FALSE(reg.Read("K", "d"));
  EXPECT_FALSE(reg.Read("K", "big"));
}

}  // namespace
}  // namespace platform
