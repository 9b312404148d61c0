// The desktop shell against small stand-in programs: a detached program runs on while the
// caller goes on (each stand-in waits on a pipe the test opens only after the call came back,
// so a call that waited would never return), a program that cannot be run is reported, and
// what goes to the desktop's opener and mail composer arrives as their arguments.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "platform/desktop_shell.h"
#include "platform/gated_stand_in.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class DesktopShellTest : public testing::StandInTest {
 protected:
  std::string StandIn(const std::string& name) { return stand_ins_->Write(dir_ / name); }
  // Answers what `call` answered, run with a stand-in `name` first on the PATH.
  bool WithStandInOnPath(const std::string& name, const std::function<bool()>& call) {
    StandIn(name);
    const std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", (dir_.string() + ":" + old_path).c_str(), 1);
    const bool answered = call();
    ::setenv("PATH", old_path.c_str(), 1);
    return answered;
  }
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
  DesktopShell shell;
  std::string error;
  ASSERT_TRUE(WithStandInOnPath("xdg-email", [&] {
    return shell.ComposeMail("Sizing", "Line 1\nLine 2\n", &error);
  })) << error;
  EXPECT_EQ(OpenGateAndRead(), "--utf8\n--subject\nSizing\n--body\nLine 1\nLine 2\n\n");
}

TEST_F(DesktopShellTest, OpenHandsTheTargetToXdgOpenAsOneArgument) {
  DesktopShell shell;
  std::string error;
  ASSERT_TRUE(WithStandInOnPath("xdg-open", [&] {
    return shell.Open("-manual page;$(x).htm", &error);
  })) << error;
  EXPECT_EQ(OpenGateAndRead(), "./-manual page;$(x).htm\n");
}

}  // namespace
}  // namespace platform
