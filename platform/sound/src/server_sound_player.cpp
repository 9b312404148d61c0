#include "platform/server_sound_player.h"

#include <fcntl.h>
#include <linux/close_range.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <system_error>

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

void ReapNow(pid_t pid) {
  while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace

// A started player. The reaping thread first waits for its end without reaping it, so that
// its process id stays taken (and a signal from Stop reaches this player, never a process
// that got the id afterwards) until `reaped` is set under the lock.
struct ServerSoundPlayer::Child {
  explicit Child(pid_t p) : pid(p) {}
  const pid_t pid;
  std::mutex mutex;
  bool reaped = false;

  void WaitAndReap() {
    siginfo_t info;
    while (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT) < 0 && errno == EINTR) {
    }
    const std::lock_guard<std::mutex> lock(mutex);
    ReapNow(pid);
    reaped = true;
  }
};

ServerSoundPlayer::~ServerSoundPlayer() {
  // The sound plays on; the thread reaps its player when it ends.
  if (reaper_.joinable()) reaper_.detach();
}

void ServerSoundPlayer::Stop() {
  if (playing_ == nullptr) return;
  {
    const std::lock_guard<std::mutex> lock(playing_->mutex);
    if (!playing_->reaped) ::kill(playing_->pid, SIGTERM);
  }
  if (reaper_.joinable()) {
    reaper_.join();
  } else {
    ReapNow(playing_->pid);
  }
  playing_.reset();
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
    if (started) {
      playing_ = std::make_shared<Child>(child);
      try {
        reaper_ = std::thread([child = playing_] { child->WaitAndReap(); });
      } catch (const std::system_error&) {
        // No thread to spare: the player is reaped by the next Stop, as it is ours alone.
      }
    } else {
      ReapNow(child);
    }
  }
  if (report[0] >= 0) ::close(report[0]);
  return started;
}

}  // namespace platform
