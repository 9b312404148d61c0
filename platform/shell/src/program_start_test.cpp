// Programs started from documents: the Windows splitting of the parameters text, the ".exe"
// fall-backs, and a real start where quotes and shell metacharacters arrive as plain text
// and no descriptor of ours leaks into the program.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/desktop_shell.h"
#include "platform/program_start.h"
#include "platform/recording_shell.h"

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

class StartProgramTest : public ::testing::Test {
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

TEST_F(StartProgramTest, ArgumentsArriveAsWrittenAndNoDescriptorLeaks) {
  const std::string program = StandIn("tool");
  // A descriptor without close-on-exec, as a lock file or socket opened carelessly would be.
  const int fd = ::open((dir_ / "lock").c_str(), O_CREAT | O_RDWR, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::dup2(fd, 57), 57);
  DesktopShell shell;
  std::string error;
  const bool started =
      StartProgram(shell, program, "\"two words\" $(touch pwned) `id`;x \"\" 'q'", &error);
  ::close(57);
  ::close(fd);
  ASSERT_TRUE(started) << error;
  EXPECT_EQ(WaitForOutput(), "two words\n$(touch\npwned)\n`id`;x\n\n'q'\n");
  EXPECT_FALSE(fs::exists(dir_ / "pwned"));
  EXPECT_FALSE(fs::exists("pwned"));
}

TEST_F(StartProgramTest, ExeNamesFallBackToTheProgramThenToTheDocument) {
  RecordingShell shell;
  const std::string program = StandIn("setup");
  EXPECT_TRUE(StartProgram(shell, program + ".EXE", "/s", nullptr));
  EXPECT_TRUE(StartProgram(shell, program, "", nullptr));
  ASSERT_EQ(shell.started.size(), 2u);
  EXPECT_EQ(shell.started[0].program, program);
  EXPECT_THAT(shell.started[0].args, ElementsAre("/s"));

  // Not executable here: opened as a document, as the shell would.
  const std::string manual = (dir_ / "manual.pdf").string();
  std::ofstream(manual) << "%PDF";
  StartProgram(shell, manual, "ignored", nullptr);
  StartProgram(shell, (dir_ / "missing.exe").string(), "", nullptr);
  fs::create_directory(dir_ / "folder.exe");
  StartProgram(shell, (dir_ / "folder.exe").string(), "", nullptr);
  EXPECT_THAT(shell.opened, ElementsAre(manual, (dir_ / "missing.exe").string(),
                                        (dir_ / "folder.exe").string()));
  EXPECT_EQ(shell.started.size(), 2u);

  shell.accept = false;
  std::string error;
  EXPECT_FALSE(StartProgram(shell, manual, "", &error));
  EXPECT_FALSE(error.empty());
}

TEST_F(StartProgramTest, OpenHandsTheTargetToXdgOpenAsOneArgument) {
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
