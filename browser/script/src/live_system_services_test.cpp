// The system actions' services over recording platform services: what reaches the desktop,
// what is refused, the copy before a registration, and the atomic save.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "browser/doc/data_file.h"
#include "browser/script/live_system_services.h"
#include "platform/disk_file_system.h"
#include "platform/recording_control_libraries.h"
#include "platform/recording_shell.h"
#include "platform/recording_sound_player.h"
#include "platform/recording_window_messenger.h"

namespace browser {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class LiveSystemServicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("live_services_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()
                                            ->current_test_info()
                                            ->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
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
  live_.OpenFolder(folder);
  live_.OpenAddress("HTTPS://example.invalid/a?b=$(c)");
  live_.OpenAddress("mailto:sales@example.invalid");
  live_.ShellOpen("file:///media/cd/a.htm");
  live_.OpenAddress("javascript:alert(1)");
  live_.OpenAddress("C:\\Docs\\a.htm");
  live_.ShellOpen((dir_ / "missing.pdf").string());
  live_.OpenAddress("");
  EXPECT_THAT(shell_.opened, ElementsAre(folder, "HTTPS://example.invalid/a?b=$(c)",
                                         "mailto:sales@example.invalid",
                                         "file:///media/cd/a.htm"));
  EXPECT_EQ(complaints_.size(), 4u);
  EXPECT_FALSE(live_.OpenWebWindow("http://example.invalid/"));
}

TEST_F(LiveSystemServicesTest, ProgramsSoundsAndMessagesReachTheirServices) {
  const fs::path program = dir_ / "tool";
  std::ofstream(program) << "#!/bin/sh\n";
  fs::permissions(program, fs::perms::owner_all);
  live_.RunProgram(program.string() + ".exe", "\"a b\" c");
  live_.PlaySound("/media/cd/click.wav");
  live_.PostWindowMessage("VTRL_MAINWND", 1036, -1, -2);
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
  live_.RunProgram(program.string() + ".exe", "/job \"C:\\My Jobs\\a.siz\" \"\"");
  live_.RegisterControl({program.string(), "", true, false});
  EXPECT_THAT(told_, ElementsAre("started: " + program.string() + " /job \"C:\\My Jobs\\a.siz\" \"\"",
                                 "started: " + program.string() + " /REGSERVER"));
  // A document in its place is handed to the desktop, and told so.
  const fs::path document = dir_ / "brochure.pdf";
  std::ofstream(document) << "%PDF";
  live_.RunProgram(document.string(), "ignored");
  live_.OpenAddress("https://example.invalid/");
  EXPECT_EQ(told_.at(2), "opened: " + document.string());
  EXPECT_EQ(told_.at(3), "opened: https://example.invalid/");
  // What was not started is not told as started.
  shell_.accept = false;
  live_.RunProgram(program.string(), "");
  live_.RunProgram((dir_ / "missing.exe").string(), "");
  live_.ShellOpen(document.string());
  EXPECT_EQ(told_.size(), 4u);
  EXPECT_EQ(complaints_.size(), 3u);
}

TEST_F(LiveSystemServicesTest, RegistrationCopiesWithoutOverwritingThenRegisters) {
  const fs::path source = dir_ / "ctl.so";
  const fs::path copy = dir_ / "system" / "ctl.so";
  fs::create_directories(copy.parent_path());
  std::ofstream(source) << "new";
  std::ofstream(copy) << "already there";
  EXPECT_TRUE(live_.RegisterControl({copy.string(), source.string(), false, false}));
  EXPECT_EQ(Read(copy), "already there");
  fs::remove(copy);
  EXPECT_TRUE(live_.RegisterControl({copy.string(), source.string(), false, false}));
  EXPECT_EQ(Read(copy), "new");
  ASSERT_EQ(controls_.requests.size(), 2u);
  EXPECT_EQ(controls_.requests[1].path, copy.string());

  // A missing source fails before anything is asked; a refused library fails.
  EXPECT_FALSE(live_.RegisterControl({copy.string(), (dir_ / "no.so").string(), false, false}));
  EXPECT_EQ(controls_.requests.size(), 2u);
  controls_.accept = false;
  EXPECT_FALSE(live_.RegisterControl({copy.string(), "", false, true}));

  // Servers are started with the switch; one that cannot start fails.
  const fs::path server = dir_ / "server";
  std::ofstream(server) << "#!/bin/sh\n";
  fs::permissions(server, fs::perms::owner_all);
  EXPECT_TRUE(live_.RegisterControl({server.string() + ".exe", "", true, true}));
  ASSERT_EQ(shell_.started.size(), 1u);
  EXPECT_THAT(shell_.started[0].args, ElementsAre("/UNREGSERVER"));
  shell_.accept = false;
  EXPECT_FALSE(live_.RegisterControl({server.string(), "", true, false}));
}

TEST_F(LiveSystemServicesTest, SaveReplacesTheFileWholeOrNotAtAll) {
  const fs::path path = dir_ / "prefs.kps";
  std::ofstream(path) << "old\r\n";
  CDataFile file;
  file.WriteString("VTRL Archive", "k", "v");
  live_.SaveDataFile(file, path.string(), "k", nullptr);
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

}  // namespace
}  // namespace browser
