#include <sys/stat.h>

#include "platform/paths.h"

namespace platform {
namespace {

// `dir` (ending with "/") one level up, with its trailing "/".
std::string ParentDir(const std::string& dir) {
  if (dir.size() <= 1) return dir;
  const size_t slash = dir.find_last_of('/', dir.size() - 2);
  return slash == std::string::npos ? dir : dir.substr(0, slash + 1);
}

}  // namespace

bool FileExists(const std::string& path) {
  struct stat st;
  return !path.empty() && stat(path.c_str(), &st) == 0;
}

std::string MountPoint(const std::string& dir) {
  struct stat st;
  if (dir.empty() || dir[0] != '/' || stat(dir.c_str(), &st) != 0) return dir.substr(0, 1);
  std::string current = dir;
  if (current.back() != '/') current += '/';
  // Walk up while the device stays the same.
  while (current != "/") {
    const std::string up = ParentDir(current);
    struct stat up_st;
    if (stat(up.c_str(), &up_st) != 0 || up_st.st_dev != st.st_dev) break;
    current = up;
  }
  return current;
}

}  // namespace platform
