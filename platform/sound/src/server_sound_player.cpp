#include "platform/server_sound_player.h"

#include <fcntl.h>
#include <linux/close_range.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

// `fd`, or a close-on-exec copy of it above the standard streams when it is one of them (the
// child's own standard streams are put there).
int AboveStandardStreams(int fd) {
  if (fd < 0 || fd > 2) return fd;
  const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
  ::close(fd);
  return moved;
}

}  // namespace

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
  // The child writes errno into the pipe when no player could be started; a successful exec
  // closes it, so the read below waits for the exec, never for the sound.
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return false;
  report[0] = AboveStandardStreams(report[0]);
  report[1] = AboveStandardStreams(report[1]);
  const int null_fd = AboveStandardStreams(::open("/dev/null", O_RDWR | O_CLOEXEC));
  const pid_t child = report[0] < 0 || report[1] < 0 ? -1 : ::fork();
  if (child == 0) {
    if (null_fd >= 0) {
      ::dup2(null_fd, 0);
      ::dup2(null_fd, 1);
      ::dup2(null_fd, 2);
    }
    // Nothing of ours beyond the standard streams reaches the player; the report pipe stays
    // open until an exec succeeds.
    if (::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0) {
      ::close_range(3, report[1] - 1, 0);
      ::close_range(report[1] + 1, ~0U, 0);
    }
    int code = ENOENT;
    for (std::vector<char*>& argv : argvs) {
      ::execvp(argv[0], argv.data());
      code = errno;
    }
    (void)!::write(report[1], &code, sizeof code);
    ::_exit(127);
  }
  for (int fd : {report[1], null_fd}) {
    if (fd >= 0) ::close(fd);
  }
  bool started = false;
  if (child > 0) {
    int code = 0;
    ssize_t n;
    do {
      n = ::read(report[0], &code, sizeof code);
    } while (n < 0 && errno == EINTR);
    started = n != static_cast<ssize_t>(sizeof code);
    playing_ = child;
    if (!started) Reap(true);
  }
  if (report[0] >= 0) ::close(report[0]);
  return started;
}

}  // namespace platform
