// The sound player against stand-in player programs: a started player runs on while Play has
// already returned (the stand-in waits on a pipe the test opens only after the call came
// back), and a player that cannot be started is reported without leaving a child behind.
#include "platform/server_sound_player.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/gated_stand_in.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class ServerSoundPlayerTest : public testing::StandInTest {
 protected:
  void SetUp() override {
    StandInTest::SetUp();
    if (HasFatalFailure()) return;
    fs::create_directories(dir_ / "bin");
    sound_ = (dir_ / "click.wav").string();
    std::ofstream(sound_) << "RIFF";
    const char* path = std::getenv("PATH");
    saved_path_ = path != nullptr ? path : "";
  }
  void TearDown() override {
    // The stand-ins have ended once their gate opened; their processes are ours to reap.
    while (::waitpid(-1, nullptr, 0) > 0) {
    }
    ::setenv("PATH", saved_path_.c_str(), 1);
    StandInTest::TearDown();
  }

  // A player in bin/ (with a PATH of its own: the tests leave only bin/ in ours).
  std::string StandIn(const std::string& name) {
    return stand_ins_->Write(dir_ / "bin" / name, "PATH=/usr/bin:/bin");
  }
  std::string Out() const { return stand_ins_->Out(); }

  // No child of ours is left, running or unreaped; the look leaves a finished one unreaped.
  static bool NoChildrenLeft() {
    siginfo_t info{};
    return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) < 0 && errno == ECHILD;
  }
  // No child of ours is left, running or unreaped.
  static bool NoChildren() { return ::waitpid(-1, nullptr, WNOHANG) < 0 && errno == ECHILD; }

  std::string sound_;
  std::string saved_path_;
};

TEST_F(ServerSoundPlayerTest, APlayerStartsWithTheFileAndPlayReturnsBeforeItEnds) {
  StandIn("paplay");
  ::setenv("PATH", (dir_ / "bin").c_str(), 1);
  {
    ServerSoundPlayer player;
    ASSERT_TRUE(player.Play(sound_));
    EXPECT_EQ(OpenGateAndRead(), sound_ + "\n");
  }
  // The next player in the list is tried when the first is not there.
  fs::remove(Out());
  fs::remove(dir_ / "bin" / "paplay");
  StandIn("pw-play");
  ServerSoundPlayer player;
  ASSERT_TRUE(player.Play(sound_));
  EXPECT_EQ(OpenGateAndRead(), sound_ + "\n");
}

TEST_F(ServerSoundPlayerTest, NoPlayerThatCanStartAnswersFalseAtOnce) {
  ASSERT_TRUE(NoChildren());
  ::setenv("PATH", (dir_ / "bin").c_str(), 1);
  const auto start = std::chrono::steady_clock::now();
  {
    ServerSoundPlayer player;
    EXPECT_FALSE(player.Play(sound_));
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_TRUE(NoChildren());

  // A player that is there but may not be run, by path.
  const fs::path plain = dir_ / "bin" / "paplay";
  std::ofstream(plain) << "#!/bin/sh\n";
  fs::permissions(plain, fs::perms::owner_read | fs::perms::owner_write);
  ServerSoundPlayer by_path({plain.string()});
  EXPECT_FALSE(by_path.Play(sound_));
  EXPECT_TRUE(NoChildren());
}

// A finished child of ours, not yet reaped (the look leaves it as it is).
bool ZombieChild() {
  siginfo_t info{};
  return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid != 0;
}

TEST_F(ServerSoundPlayerTest, APlayerThatEndsIsReapedWithoutWaitingForTheNextSound) {
  ServerSoundPlayer player({"/bin/true"});
  for (int sound = 0; sound < 2; ++sound) {
    ASSERT_TRUE(player.Play(sound_));
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!NoChildrenLeft() && std::chrono::steady_clock::now() < until) {
      ::usleep(10 * 1000);
    }
    EXPECT_FALSE(ZombieChild());
    EXPECT_TRUE(NoChildrenLeft());
  }
  // Stopping a player that was reaped already signals nothing.
  player.Stop();
}

TEST_F(ServerSoundPlayerTest, StopEndsAPlayingSoundAndReapsIt) {
  const fs::path long_player = dir_ / "bin" / "long-player";
  std::ofstream(long_player) << "#!/bin/sh\nexec sleep 30\n";
  fs::permissions(long_player, fs::perms::owner_all);
  ServerSoundPlayer player({long_player.string()});
  ASSERT_TRUE(player.Play(sound_));
  EXPECT_FALSE(NoChildrenLeft());
  const auto start = std::chrono::steady_clock::now();
  player.Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_TRUE(NoChildrenLeft());
}

TEST_F(ServerSoundPlayerTest, WhatIsNoReadableFileStartsNoPlayer) {
  const std::string player = StandIn("paplay");
  ServerSoundPlayer sounds({player});
  EXPECT_FALSE(sounds.Play((dir_ / "missing.wav").string()));
  EXPECT_FALSE(sounds.Play(dir_.string()));
  EXPECT_TRUE(NoChildren());
}

}  // namespace
}  // namespace platform
