#pragma once

#include <string>
#include <vector>

namespace platform {

// Tells which entries of some folders changed: a file written and closed, created, deleted,
// its attributes changed, or moved in or out (an editor that saves by renaming a new file over
// the old one shows as a move in). Nothing here waits unless asked to. Linux inotify.
class FolderWatch {
 public:
  FolderWatch();
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  // Watches exactly `folders` from now on (a folder already watched keeps its watch). False
  // when one of them cannot be watched; error() says which and why, and the others are.
  bool Watch(const std::vector<std::string>& folders);
  const std::string& error() const { return error_; }

  // A descriptor that turns readable when changes wait, for a caller's own event loop; -1 when
  // the system gave none.
  int fd() const { return fd_; }

  struct Change {
    std::string folder;  // as handed to Watch
    std::string name;    // the entry's name in it
  };
  // The changes waiting now, without waiting. A queue that overflowed gives one change with
  // an empty name for every folder.
  std::vector<Change> Take();
  // Waits at most `timeout_ms` for a change to wait; false when none came, or when a signal
  // ended the wait.
  bool Wait(int timeout_ms) const;

 private:
  int fd_ = -1;
  std::vector<std::pair<int, std::string>> watches_;  // descriptor, folder
  std::string error_;
};

}  // namespace platform
