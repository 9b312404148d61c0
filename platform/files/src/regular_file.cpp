#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/disk_file_system.h"

namespace platform {

OpenedFile OpenRegularFile(const std::string& path) {
  OpenedFile out;
  int fd;
  // Without O_NONBLOCK, opening a FIFO waits for a writer.
  do {
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    out.error = std::strerror(errno);
    return out;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    out.error = "not a regular file";
    return out;
  }
  // Reads from a regular file never wait anyway; the descriptor reads as any other.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  out.fd = fd;
  return out;
}

bool ReadRegularFile(const std::string& path, size_t max_bytes, std::string* bytes,
                     std::string* error) {
  return DiskFileSystem().ReadFile(path, max_bytes, bytes, error);
}

}  // namespace platform
