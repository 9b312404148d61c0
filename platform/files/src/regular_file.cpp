#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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
  bytes->clear();
  OpenedFile file = OpenRegularFile(path);
  if (file.fd < 0) {
    *error = file.error;
    return false;
  }
  char block[64 * 1024];
  for (;;) {
    const ssize_t n = ::read(file.fd, block, sizeof block);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      *error = std::strerror(errno);
      break;
    }
    if (n == 0) {
      ::close(file.fd);
      return true;
    }
    if (bytes->size() + static_cast<size_t>(n) > max_bytes) {
      *error = "larger than " + std::to_string(max_bytes) + " bytes";
      break;
    }
    bytes->append(block, static_cast<size_t>(n));
  }
  ::close(file.fd);
  bytes->clear();
  return false;
}

}  // namespace platform
