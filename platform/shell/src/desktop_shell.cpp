#include "platform/desktop_shell.h"

#include <fcntl.h>
#include <linux/close_range.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

bool Fail(std::string* error, const std::string& what, int code) {
  if (error) *error = what + ": " + std::strerror(code);
  return false;
}

}  // namespace

bool DesktopShell::StartDetached(const std::string& program, const std::vector<std::string>& args,
                                 std::string* error) {
  // Everything the children need is made before the fork: after it only exec and _exit.
  std::vector<std::string> words;
  words.reserve(args.size() + 1);
  words.push_back(program);
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  const long open_max = ::sysconf(_SC_OPEN_MAX);
  const int max_fd = open_max > 0 && open_max < 65536 ? static_cast<int>(open_max) : 65536;

  // The grandchild writes errno into the pipe when exec fails; a successful exec closes it.
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return Fail(error, "cannot start " + program, errno);
  const pid_t child = ::fork();
  if (child < 0) {
    const int code = errno;
    ::close(report[0]);
    ::close(report[1]);
    return Fail(error, "cannot start " + program, code);
  }
  if (child == 0) {
    ::close(report[0]);
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild != 0) {
      if (grandchild < 0) {
        const int code = errno;
        (void)!::write(report[1], &code, sizeof code);
      }
      ::_exit(0);
    }
    // Nothing of ours beyond the standard streams reaches the program: an inherited lock or
    // socket would outlive us in it. Close-on-exec keeps the report pipe for a failed exec.
    if (::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0) {
      for (int fd = 3; fd < max_fd; ++fd) ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    ::execvp(argv[0], argv.data());
    const int code = errno;
    (void)!::write(report[1], &code, sizeof code);
    ::_exit(127);
  }
  ::close(report[1]);
  // The middle process ends at once; reaping it leaves the program an orphan of init.
  while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
  int code = 0;
  ssize_t n;
  do {
    n = ::read(report[0], &code, sizeof code);
  } while (n < 0 && errno == EINTR);
  ::close(report[0]);
  if (n == static_cast<ssize_t>(sizeof code)) return Fail(error, "cannot start " + program, code);
  return true;
}

bool DesktopShell::Open(const std::string& target, std::string* error) {
  // A target beginning with "-" would be read as an option: it can only be a relative path.
  return StartDetached("xdg-open", {target.starts_with('-') ? "./" + target : target}, error);
}

bool DesktopShell::ComposeMail(const std::string& subject, const std::string& body,
                               std::string* error) {
  return StartDetached("xdg-email", {"--utf8", "--subject", subject, "--body", body}, error);
}

}  // namespace platform
