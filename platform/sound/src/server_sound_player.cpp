#include "platform/server_sound_player.h"

#include <fcntl.h>
#include <linux/close_range.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

ServerSoundPlayer::~ServerSoundPlayer() { Reap(false); }

void ServerSoundPlayer::Reap(bool wait) {
  if (playing_ <= 0) return;
  pid_t r;
  do {
    r = ::waitpid(playing_, nullptr, wait ? 0 : WNOHANG);
  } while (r < 0 && errno == EINTR);
  if (r != 0) playing_ = -1;
}

void ServerSoundPlayer::Stop() {
  if (playing_ <= 0) return;
  ::kill(playing_, SIGTERM);
  Reap(true);
}

bool ServerSoundPlayer::Play(const std::string& path) {
  Stop();
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || ::access(path.c_str(), R_OK)) {
    return false;
  }
  // Everything the child needs is made before the fork: after it only exec and _exit.
  std::vector<std::string> file_arg{path};
  std::vector<std::vector<char*>> argvs;
  for (std::string& player : players_) {
    argvs.push_back({player.data(), file_arg[0].data(), nullptr});
  }
  const int null_fd = ::open("/dev/null", O_RDWR | O_CLOEXEC);
  const pid_t child = ::fork();
  if (child < 0) {
    if (null_fd >= 0) ::close(null_fd);
    return false;
  }
  if (child == 0) {
    if (null_fd >= 0) {
      ::dup2(null_fd, 0);
      ::dup2(null_fd, 1);
      ::dup2(null_fd, 2);
    }
    ::close_range(3, ~0U, 0);
    for (std::vector<char*>& argv : argvs) ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  if (null_fd >= 0) ::close(null_fd);
  playing_ = child;
  return true;
}

}  // namespace platform
