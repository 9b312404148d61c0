// play_sound_probe FILE...: plays each file through ServerSoundPlayer, one after the other
// without pause, and ends; exit status 1 when a Play call reported that it started nothing.
#include <cstdio>

#include "platform/server_sound_player.h"

int main(int argc, char** argv) {
  platform::ServerSoundPlayer player;
  int status = 0;
  for (int i = 1; i < argc; ++i) {
    if (!player.Play(argv[i])) {
      std::fprintf(stderr, "play_sound_probe: nothing played for %s\n", argv[i]);
      status = 1;
    }
  }
  return status;
}
