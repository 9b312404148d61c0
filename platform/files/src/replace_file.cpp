#include "platform/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace platform {
namespace {

int MakeFolders(const std::string& path) {
  for (size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    const std::string folder = path.substr(0, slash);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return errno;
  }
  return 0;
}

int WriteAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<size_t>(n);
  }
  return 0;
}

mode_t NewFileMode(const std::string& path, const ReplaceFileOptions& options) {
  struct stat old;
  if (::stat(path.c_str(), &old) == 0) return old.st_mode & 07777;
  if (options.private_file) return 0600;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// The folder takes no new name: the file, when the user may write it, is rewritten where it
// is.
int RewriteInPlace(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return errno;
  int code = WriteAll(fd, bytes);
  if (code == 0 && ::fsync(fd) != 0) code = errno;
  if (::close(fd) != 0 && code == 0) code = errno;
  return code;
}

// The fresh name beside the file: its own name with six random characters, shortened so that
// a name the file system takes (up to 255 bytes) still leaves room for them.
std::string TempNameBeside(const std::string& path) {
  constexpr size_t kLongestKept = 240;
  const size_t slash = path.rfind('/');
  const size_t name_start = slash == std::string::npos ? 0 : slash + 1;
  const size_t name_length = std::min(path.size() - name_start, kLongestKept);
  return path.substr(0, name_start + name_length) + ".XXXXXX";
}

}  // namespace

int ReplaceFile(const std::string& path, std::string_view bytes,
                const ReplaceFileOptions& options) {
  if (options.create_folders) {
    if (const int code = MakeFolders(path)) return code;
  }
  struct stat old;
  const bool regular_file = ::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  if (regular_file && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return errno;
  std::string temp = TempNameBeside(path);
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) {
    const int code = errno;
    return regular_file && code == EACCES ? RewriteInPlace(path, bytes) : code;
  }
  int code = WriteAll(fd, bytes);
  // mkstemp makes the file private; it takes the permissions the file is to have.
  if (code == 0 && ::fchmod(fd, NewFileMode(path, options)) != 0) code = errno;
  // The data must be on the disk before the name points at it.
  if (code == 0 && ::fsync(fd) != 0) code = errno;
  if (::close(fd) != 0 && code == 0) code = errno;
  if (code == 0 && std::rename(temp.c_str(), path.c_str()) != 0) code = errno;
  if (code != 0) ::unlink(temp.c_str());
  return code;
}

}  // namespace platform
