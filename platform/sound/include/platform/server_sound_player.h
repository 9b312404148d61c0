// Wave files played through the desktop's sound server (PulseAudio, or PipeWire's PulseAudio
// service): each sound is handed to the server's player program, `paplay` or else `pw-play`,
// started as a child of ours with an argument vector, never a shell.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "platform/sound.h"

namespace platform {

class ServerSoundPlayer : public SoundPlayer {
 public:
  // `players`: the player programs to try in order (names looked up in PATH, or paths); each
  // is started as `PLAYER FILE`.
  explicit ServerSoundPlayer(std::vector<std::string> players = {"paplay", "pw-play"})
      : players_(std::move(players)) {}
  // A sound still playing goes on; the finished player is reaped.
  ~ServerSoundPlayer() override;

  // False for a file that is not a readable regular file, or when no player could be started.
  // Without a sound server the player starts and ends at once, playing nothing.
  bool Play(const std::string& path) override;
  void Stop() override;

 private:
  void Reap(bool wait);

  std::vector<std::string> players_;
  pid_t playing_ = -1;
};

}  // namespace platform
