#pragma once

// Runs a program as a child and measures it: its exit, its wall and CPU time and its peak
// resident memory (from the kernel's accounting of the child, getrusage through wait4).
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace browser::shell::testing {

struct ChildRun {
  bool exited = false;     // ended by exit, not by a signal or the time limit
  int status = -1;         // its exit status
  double seconds = 0;      // wall time
  double cpu_seconds = 0;  // user and system time: the program's own work, whatever the load
  long peak_kib = 0;       // peak resident set
  std::string err;         // what it wrote to stderr

  double peak_mib() const { return static_cast<double>(peak_kib) / 1024.0; }
};

// `args[0]` is the program. The child gets the offscreen Qt platform; stdout is dropped.
// After `limit_seconds` it is killed (exited stays false).
inline ChildRun RunChild(const std::vector<std::string>& args, const std::string& err_path,
                         double limit_seconds = 30) {
  ChildRun run;
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int null_fd = open("/dev/null", O_WRONLY);
    const int err_fd = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(null_fd, 1);
    dup2(err_fd, 2);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  for (;;) {
    const pid_t done = wait4(pid, &status, WNOHANG, &usage);
    if (done == pid) break;
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (elapsed > limit_seconds) {
      kill(pid, SIGKILL);
      wait4(pid, &status, 0, &usage);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.exited = WIFEXITED(status) && run.seconds <= limit_seconds;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.peak_kib = usage.ru_maxrss;
  run.cpu_seconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                    static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  std::ifstream in(err_path);
  std::stringstream text;
  text << in.rdbuf();
  run.err = text.str();
  return run;
}

}  // namespace browser::shell::testing
