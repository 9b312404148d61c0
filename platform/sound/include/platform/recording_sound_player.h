// A sound player for tests: keeps the paths it was asked to play. Nothing is played.
#pragma once

#include <string>
#include <vector>

#include "platform/sound.h"

namespace platform {

class RecordingSoundPlayer : public SoundPlayer {
 public:
  bool Play(const std::string& path) override {
    played.push_back(path);
    return true;
  }
  void Stop() override { ++stops; }

  std::vector<std::string> played;
  int stops = 0;
};

}  // namespace platform
