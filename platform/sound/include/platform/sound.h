// Playing wave files without waiting for them, as a script's PlaySound does. Qt-free; the real
// implementation is ServerSoundPlayer (server_sound_player.h), tests use RecordingSoundPlayer
// (recording_sound_player.h).
#pragma once

#include <string>

namespace platform {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;

  // Starts playing the wave file at `path` and returns at once; a sound this player still
  // plays stops first. A missing file, or a machine without a sound device, plays nothing.
  // False when nothing was started.
  virtual bool Play(const std::string& path) = 0;
  // Stops the sound this player plays, if any.
  virtual void Stop() = 0;
};

}  // namespace platform
