// The machine's performer of the system actions' requests over recording platform services:
// what reaches the desktop, what is refused, the ".exe" fall-backs, the copy before a
// registration and the atomic save; and a real start where quotes and shell metacharacters
// arrive as plain text and no descriptor of ours leaks into the program.
#include "browser/machine/live_system_services.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "browser/doc/data_file.h"
#include "platform/desktop_shell.h"
#include "platform/disk_file_system.h"
#include "platform/recording_control_libraries.h"
#include "platform/recording_shell.h"
#include "platform/recording_sound_player.h"
#include "platform/recording_window_messenger.h"
#include "platform/test_folder.h"

namespace browser {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class LiveSystemServicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = platform::testing::MakeTestFolder("live_services", fs::temp_directory_path());
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Read(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path dir_;
  platform::RecordingShell shell_;
  platform::RecordingSoundPlayer sound_;
  platform::RecordingWindowMessenger windows_;
  platform::RecordingControlLibraries controls_;
  std::vector<std::string> complaints_;
  std::vector<std::string> told_;
  LiveSystemServices live_{{&shell_, &sound_, &windows_, &controls_,
                            [this](const std::string& r) { complaints_.push_back(r); },
                            [this](const std::string& line) { told_.push_back(line); }}};
};

TEST_F(LiveSystemServicesTest, OnlyExistingFilesAndKnownSchemesAreOpened) {
  const std::string folder = dir_.string();
  live_.Perform(request::OpenFolder{folder});
  live_.Perform(request::OpenAddress{"HTTPS://example.invalid/a?b=$(c)"});
  live_.Perform(request::OpenAddress{"mailto:sales@example.invalid"});
  live_.Perform(request::ShellOpen{"file:///media/cd/a.htm"});
  live_.Perform(request::OpenAddress{"javascript:alert(1)"});
  live_.Perform(request::OpenAddress{"C:\\Docs\\a.htm"});
  live_.Perform(request::ShellOpen{(dir_ / "missing.pdf").string()});
  live_.Perform(request::OpenAddress{""});
  EXPECT_THAT(shell_.opened, ElementsAre(folder, "HTTPS://example.invalid/a?b=$(c)",
                                         "mailto:sales@example.invalid", "file:///media/cd/a.htm"));
  EXPECT_EQ(complaints_.size(), 4u);
  EXPECT_FALSE(live_.Perform(request::OpenWebWindow{"http://example.invalid/"}));
  EXPECT_FALSE(live_.Perform(request::DragFile{folder, request::kDropEffectCopy}));
}

TEST_F(LiveSystemServicesTest, ProgramsSoundsAndMessagesReachTheirServices) {
  const fs::path program = dir_ / "tool";
  std::ofstream(program) << "#!/bin/sh\n";
  fs::permissions(program, fs::perms::owner_all);
  live_.Perform(request::RunProgram{program.string() + ".exe", "\"a b\" c"});
  live_.Perform(request::PlaySound{"/media/cd/click.wav"});
  live_.Perform(request::PostWindowMessage{"VTRL_MAINWND", 1036, -1, -2});
  ASSERT_EQ(shell_.started.size(), 1u);
  EXPECT_EQ(shell_.started[0].program, program.string());
  EXPECT_THAT(shell_.started[0].args, ElementsAre("a b", "c"));
  EXPECT_THAT(sound_.played, ElementsAre("/media/cd/click.wav"));
  ASSERT_EQ(windows_.posted.size(), 1u);
  EXPECT_EQ(windows_.posted[0].message, 1036u);
  EXPECT_EQ(windows_.posted[0].wparam, 0xFFFFFFFFu);
  EXPECT_EQ(windows_.posted[0].lparam, -2);
}

TEST_F(LiveSystemServicesTest, EachProgramReallyStartedIsToldWithItsArguments) {
  const fs::path program = dir_ / "sizing";
  std::ofstream(program) << "#!/bin/sh\n";
  fs::permissions(program, fs::perms::owner_all);
  // The name a document gives ends in ".exe"; the file started has none.
  live_.Perform(request::RunProgram{program.string() + ".exe", "/job \"C:\\My Jobs\\a.siz\" \"\""});
  live_.Perform(request::RegisterControl{program.string(), "", true, false});
  EXPECT_THAT(told_,
              ElementsAre("started: " + program.string() + " /job \"C:\\My Jobs\\a.siz\" \"\"",
                          "started: " + program.string() + " /REGSERVER"));
  // A document in its place is handed to the desktop, and told so.
  const fs::path document = dir_ / "brochure.pdf";
  std::ofstream(document) << "%PDF";
  live_.Perform(request::RunProgram{document.string(), "ignored"});
  live_.Perform(request::OpenAddress{"https://example.invalid/"});
  EXPECT_EQ(told_.at(2), "opened: " + document.string());
  EXPECT_EQ(told_.at(3), "opened: https://example.invalid/");
  // What was not started is not told as started.
  shell_.accept = false;
  live_.Perform(request::RunProgram{program.string(), ""});
  live_.Perform(request::RunProgram{(dir_ / "missing.exe").string(), ""});
  live_.Perform(request::ShellOpen{document.string()});
  EXPECT_EQ(told_.size(), 4u);
  EXPECT_EQ(complaints_.size(), 3u);
}

TEST_F(LiveSystemServicesTest, RegistrationCopiesWithoutOverwritingThenRegisters) {
  const fs::path source = dir_ / "ctl.so";
  const fs::path copy = dir_ / "system" / "ctl.so";
  fs::create_directories(copy.parent_path());
  std::ofstream(source) << "new";
  std::ofstream(copy) << "already there";
  EXPECT_TRUE(
      live_.Perform(request::RegisterControl{copy.string(), source.string(), false, false}));
  EXPECT_EQ(Read(copy), "already there");
  fs::remove(copy);
  EXPECT_TRUE(
      live_.Perform(request::RegisterControl{copy.string(), source.string(), false, false}));
  EXPECT_EQ(Read(copy), "new");
  ASSERT_EQ(controls_.requests.size(), 2u);
  EXPECT_EQ(controls_.requests[1].path, copy.string());

  // A missing source fails before anything is asked; a refused library fails.
  EXPECT_FALSE(live_.Perform(
      request::RegisterControl{copy.string(), (dir_ / "no.so").string(), false, false}));
  EXPECT_EQ(controls_.requests.size(), 2u);
  controls_.accept = false;
  EXPECT_FALSE(live_.Perform(request::RegisterControl{copy.string(), "", false, true}));

  // Servers are started with the switch; one that cannot start fails.
  const fs::path server = dir_ / "server";
  std::ofstream(server) << "#!/bin/sh\n";
  fs::permissions(server, fs::perms::owner_all);
  EXPECT_TRUE(live_.Perform(request::RegisterControl{server.string() + ".exe", "", true, true}));
  ASSERT_EQ(shell_.started.size(), 1u);
  EXPECT_THAT(shell_.started[0].args, ElementsAre("/UNREGSERVER"));
  shell_.accept = false;
  EXPECT_FALSE(live_.Perform(request::RegisterControl{server.string(), "", true, false}));
}

TEST_F(LiveSystemServicesTest, SaveReplacesTheFileWholeOrNotAtAll) {
  const fs::path path = dir_ / "prefs.kps";
  std::ofstream(path) << "old\r\n";
  CDataFile file;
  file.WriteString("VTRL Archive", "k", "v");
  live_.Perform(request::SaveDataFile{&file, path.string(), "k", "", false});
  EXPECT_EQ(Read(path), "[VTRL Archive]\r\nk = v\r\n");
  // Nothing is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

  platform::DiskFileSystem disk;
  const Status missing = file.SaveText(disk, (dir_ / "no" / "such.kps").string());
  EXPECT_FALSE(missing.ok());
  EXPECT_NE(missing.message().find("such.kps"), std::string::npos);
  // A directory in the way: the new file is not left behind either.
  fs::create_directory(dir_ / "taken");
  fs::create_directory(dir_ / "taken" / "sub");
  EXPECT_FALSE(file.SaveText(disk, (dir_ / "taken").string()).ok());
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

class LiveProgramStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = platform::testing::MakeTestFolder("program_start");
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

  // The machine's performer over `shell`.
  bool Run(platform::Shell& shell, const std::string& path, const std::string& parameters) {
    LiveSystemServices::Services services;
    services.shell = &shell;
    LiveSystemServices live(services);
    return live.Perform(request::RunProgram{path, parameters});
  }

  fs::path dir_;
};

TEST_F(LiveProgramStartTest, ArgumentsArriveAsWrittenAndNoDescriptorLeaks) {
  const std::string program = StandIn("tool");
  // A descriptor without close-on-exec, as a lock file or socket opened carelessly would be.
  const int fd = ::open((dir_ / "lock").c_str(), O_CREAT | O_RDWR, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::dup2(fd, 57), 57);
  platform::DesktopShell shell;
  const bool started = Run(shell, program, "\"two words\" $(touch pwned) `id`;x \"\" 'q'");
  ::close(57);
  ::close(fd);
  ASSERT_TRUE(started);
  EXPECT_EQ(WaitForOutput(), "two words\n$(touch\npwned)\n`id`;x\n\n'q'\n");
  EXPECT_FALSE(fs::exists(dir_ / "pwned"));
  EXPECT_FALSE(fs::exists("pwned"));
}

TEST_F(LiveProgramStartTest, ExeNamesFallBackToTheProgramThenToTheDocument) {
  platform::RecordingShell shell;
  const std::string program = StandIn("setup");
  EXPECT_TRUE(Run(shell, program + ".EXE", "/s"));
  EXPECT_TRUE(Run(shell, program, ""));
  ASSERT_EQ(shell.started.size(), 2u);
  EXPECT_EQ(shell.started[0].program, program);
  EXPECT_THAT(shell.started[0].args, ElementsAre("/s"));

  // Not executable here: opened as a document, as the shell would; a name that names
  // nothing is not handed to the desktop at all.
  const std::string manual = (dir_ / "manual.pdf").string();
  std::ofstream(manual) << "%PDF";
  EXPECT_TRUE(Run(shell, manual, "ignored"));
  EXPECT_FALSE(Run(shell, (dir_ / "missing.exe").string(), ""));
  fs::create_directory(dir_ / "folder.exe");
  EXPECT_TRUE(Run(shell, (dir_ / "folder.exe").string(), ""));
  EXPECT_THAT(shell.opened, ElementsAre(manual, (dir_ / "folder.exe").string()));
  EXPECT_EQ(shell.started.size(), 2u);

  shell.accept = false;
  EXPECT_FALSE(Run(shell, manual, ""));
}

}  // namespace
}  // namespace browser
