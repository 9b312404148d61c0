// Programs started from documents: the Windows splitting of the parameters text, and an
// address handed to the desktop's opener as one argument.
#include "platform/program_start.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/desktop_shell.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(SplitParameters, QuotesWithoutEscapes) {
  EXPECT_THAT(SplitParameters(""), IsEmpty());
  EXPECT_THAT(SplitParameters(" \t "), IsEmpty());
  EXPECT_THAT(SplitParameters("/s  \"C:\\My Dir\\\" a\"b c"),
              ElementsAre("/s", "C:\\My Dir\\", "a\"b", "c"));
  EXPECT_THAT(SplitParameters("\"\" x \"open to the end"), ElementsAre("", "x", "open to the end"));
  EXPECT_THAT(SplitParameters("a;b $(rm -rf x) `id` 'q' |&>"),
              ElementsAre("a;b", "$(rm", "-rf", "x)", "`id`", "'q'", "|&>"));
}

class DesktopOpenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           ("program_start_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // A program that writes its arguments, one a line, and whether descriptor 57 was open.
  std::string StandIn(const std::string& name) {
    const fs::path path = dir_ / name;
    const std::string out = (dir_ / "out").string();
    std::ofstream(path) << "#!/bin/sh\n{ for a in \"$@\"; do printf '%s\\n' \"$a\"; done\n"
                        << "  [ -e /proc/$$/fd/57 ] && echo leaked; } > '" << out << ".tmp'\n"
                        << "mv '" << out << ".tmp' '" << out << "'\n";
    fs::permissions(path, fs::perms::owner_all);
    return path.string();
  }
  std::string WaitForOutput() {
    const fs::path out = dir_ / "out";
    for (int i = 0; i < 500 && !fs::exists(out); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(out);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path dir_;
};

TEST_F(DesktopOpenTest, OpenHandsTheTargetToXdgOpenAsOneArgument) {
  StandIn("xdg-open");
  const std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
  ::setenv("PATH", (dir_.string() + ":" + old_path).c_str(), 1);
  DesktopShell shell;
  std::string error;
  const bool opened = shell.Open("-manual page;$(x).htm", &error);
  ::setenv("PATH", old_path.c_str(), 1);
  ASSERT_TRUE(opened) << error;
  EXPECT_EQ(WaitForOutput(), "./-manual page;$(x).htm\n");
}

}  // namespace
}  // namespace platform
