#include "browser/shell/temp_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace browser::shell {
namespace {

// A folder only this user may enter: a real directory (lstat, so a link is no folder), owned
// by the user, with no permission bits for the group or others.
bool IsPrivateFolder(const std::string& path, uid_t uid) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == uid && (st.st_mode & 077) == 0;
}

}  // namespace

std::string UserTempFolder(std::string_view tmpdir, const std::string& base, uid_t uid,
                           std::string* why) {
  if (!tmpdir.empty()) {
    std::string dir(tmpdir);
    if (dir.back() != '/') dir += '/';
    return dir;
  }
  const std::string own = base + "/panorel-" + std::to_string(uid);
  if (mkdir(own.c_str(), 0700) != 0 && errno != EEXIST && why != nullptr) {
    *why = own + ": " + std::strerror(errno);
  }
  if (IsPrivateFolder(own, uid)) return own + "/";
  std::string pattern = own + "-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (mkdtemp(name.data()) == nullptr) {
    if (why != nullptr) *why = pattern + ": " + std::strerror(errno);
    return {};
  }
  if (why != nullptr) *why = own + " is not a private folder of this user";
  return std::string(name.data()) + "/";
}

}  // namespace browser::shell
