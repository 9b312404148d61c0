// Wave files played through the desktop's sound server (PulseAudio, or PipeWire's PulseAudio
// service): each sound is handed to the server's player program, `paplay` or else `pw-play`,
// started as a child of ours with an argument vector, never a shell. A thread of the player
// waits for each started child and reaps it as soon as it ends, so no finished player is left
// behind until the next sound.
#pragma once

#include <sys/types.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/sound.h"

namespace platform {

class ServerSoundPlayer : public SoundPlayer {
 public:
  // `players`: the player programs to try in order (names looked up in PATH, or paths); each
  // is started as `PLAYER FILE`.
  explicit ServerSoundPlayer(std::vector<std::string> players = {"paplay", "pw-play"})
      : players_(std::move(players)) {}
  // A sound still playing goes on; its player is reaped when it ends.
  ~ServerSoundPlayer() override;

  // False for a file that is not a readable regular file, or when no player could be started.
  // Without a sound server the player starts and ends at once, playing nothing.
  bool Play(const std::string& path) override;
  // Ends the sound still playing, if any, and returns once its player has been reaped.
  void Stop() override;

 private:
  struct Child;

  std::vector<std::string> players_;
  std::shared_ptr<Child> playing_;  // shared with the thread that reaps it
  std::thread reaper_;
};

}  // namespace platform
