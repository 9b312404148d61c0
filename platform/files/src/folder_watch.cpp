#include "platform/folder_watch.h"

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace platform {
namespace {

constexpr uint32_t kEvents = IN_CLOSE_WRITE | IN_CREATE | IN_DELETE | IN_MOVED_FROM |
                             IN_MOVED_TO | IN_ATTRIB | IN_ONLYDIR;

}  // namespace

FolderWatch::FolderWatch() : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
  if (fd_ < 0) error_ = std::strerror(errno);
}

FolderWatch::~FolderWatch() {
  if (fd_ >= 0) ::close(fd_);
}

bool FolderWatch::Watch(const std::vector<std::string>& folders) {
  if (fd_ < 0) return false;
  error_.clear();
  for (auto it = watches_.begin(); it != watches_.end();) {
    if (std::find(folders.begin(), folders.end(), it->second) == folders.end()) {
      ::inotify_rm_watch(fd_, it->first);
      it = watches_.erase(it);
    } else {
      ++it;
    }
  }
  for (const std::string& folder : folders) {
    // The same descriptor comes back for a folder watched already.
    const int wd = ::inotify_add_watch(fd_, folder.c_str(), kEvents);
    if (wd < 0) {
      if (error_.empty()) error_ = folder + ": " + std::strerror(errno);
      continue;
    }
    const bool known = std::any_of(watches_.begin(), watches_.end(),
                                   [&](const auto& w) { return w.first == wd; });
    if (!known) watches_.emplace_back(wd, folder);
  }
  return error_.empty();
}

std::vector<FolderWatch::Change> FolderWatch::Take() {
  std::vector<Change> changes;
  if (fd_ < 0) return changes;
  alignas(inotify_event) char buffer[16 * 1024];
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    for (ssize_t at = 0; at < n;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      if (event->mask & IN_Q_OVERFLOW) {
        for (const auto& w : watches_) changes.push_back({w.second, {}});
        continue;
      }
      const auto w = std::find_if(watches_.begin(), watches_.end(),
                                  [&](const auto& w) { return w.first == event->wd; });
      if (w == watches_.end()) continue;
      // A folder removed or gone from under its watch is watched no more.
      if (event->mask & IN_IGNORED) {
        watches_.erase(w);
        continue;
      }
      changes.push_back({w->second, event->len > 0 ? std::string(event->name) : std::string()});
    }
  }
  return changes;
}

bool FolderWatch::Wait(int timeout_ms) const {
  if (fd_ < 0) return false;
  pollfd p{fd_, POLLIN, 0};
  return ::poll(&p, 1, timeout_ms) > 0 && (p.revents & POLLIN) != 0;
}

}  // namespace platform
