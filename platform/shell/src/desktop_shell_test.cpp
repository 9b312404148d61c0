// The desktop shell against small stand-in programs: a detached program runs on while the
// caller goes on (each stand-in waits on a pipe the test opens only after the call came back,
// so a call that waited would never return), and a program that cannot be run is reported.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/desktop_shell.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class DesktopShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           ("platform_shell_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    gate_ = (dir_ / "gate").string();
    ASSERT_EQ(::mkfifo(gate_.c_str(), 0600), 0);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // A program that waits for the gate to open, then writes its arguments, one a line, to
  // `out`.
  std::string StandIn(const std::string& name) {
    const fs::path path = dir_ / name;
    std::ofstream(path) << "#!/bin/sh\nread go < '" << gate_ << "'\n"
                        << "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '"
                        << (dir_ / "out.tmp").string() << "'\nmv '" << (dir_ / "out.tmp").string()
                        << "' '" << Out() << "'\n";
    fs::permissions(path, fs::perms::owner_all);
    return path.string();
  }
  std::string Out() const { return (dir_ / "out").string(); }

  // Lets the stand-in go on and gives what it wrote.
  std::string OpenGateAndRead() {
    std::ofstream(gate_) << "go\n";
    for (int i = 0; i < 500 && !fs::exists(Out()); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(Out());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path dir_;
  std::string gate_;
};

TEST_F(DesktopShellTest, StartsAProgramDetachedWithItsArguments) {
  DesktopShell shell;
  std::string error;
  ASSERT_TRUE(shell.StartDetached(StandIn("tool"), {"one", "two words", ""}, &error)) << error;
  EXPECT_EQ(OpenGateAndRead(), "one\ntwo words\n\n");
}

TEST_F(DesktopShellTest, AProgramThatCannotRunIsReportedByName) {
  DesktopShell shell;
  std::string error;
  EXPECT_FALSE(shell.StartDetached((dir_ / "missing").string(), {}, &error));
  EXPECT_NE(error.find((dir_ / "missing").string()), std::string::npos) << error;
  EXPECT_NE(error.find("No such file"), std::string::npos) << error;

  const fs::path not_executable = dir_ / "plain.txt";
  std::ofstream(not_executable) << "text\n";
  EXPECT_FALSE(shell.StartDetached(not_executable.string(), {}, &error));
  EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
}

TEST_F(DesktopShellTest, ComposeMailHandsSubjectAndBodyToXdgEmail) {
  StandIn("xdg-email");
  const std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
  ::setenv("PATH", (dir_.string() + ":" + old_path).c_str(), 1);
  DesktopShell shell;
  std::string error;
  const bool started = shell.ComposeMail("Sizing", "Line 1\nLine 2\n", &error);
  ::setenv("PATH", old_path.c_str(), 1);
  ASSERT_TRUE(started) << error;
  EXPECT_EQ(OpenGateAndRead(), "--utf8\n--subject\nSizing\n--body\nLine 1\nLine 2\n\n");
}

}  // namespace
}  // namespace platform
