#include "formkit/mail.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <vector>

extern char** environ;

namespace formkit {

std::string MailLine(std::string_view label, std::string_view value, size_t width) {
  std::string line(label);
  if (line.size() < width) line.append(width - line.size(), ' ');
  line.append(value);
  return line + "\r\n";
}

bool ComposerMailSender::Send(const MailMessage& message, std::string* error) {
  std::vector<std::string> args = {"xdg-email", "--utf8", "--subject", message.subject,
                                   "--body", message.body};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid;
  const int rc = posix_spawnp(&pid, "xdg-email", nullptr, nullptr, argv.data(), environ);
  if (rc != 0) {
    if (error) *error = std::string("cannot start xdg-email: ") + std::strerror(rc);
    return false;
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      if (error) *error = "lost track of xdg-email";
      return false;
    }
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    if (error) *error = "the mail composer did not take the message";
    return false;
  }
  return true;
}

}  // namespace formkit
