#include <sys/stat.h>

#include "browser/script/variables.h"

namespace browser {
namespace {

// The directory of `dir` (which ends with "/") one level up, with its trailing "/".
std::string ParentDir(const std::string& dir) {
  if (dir.size() <= 1) return dir;
  size_t slash = dir.find_last_of('/', dir.size() - 2);
  return slash == std::string::npos ? dir : dir.substr(0, slash + 1);
}

// The mount point that holds `dir`: walk up while the device stays the same.
std::string MountPoint(const std::string& dir) {
  struct stat st;
  if (dir.empty() || dir[0] != '/' || stat(dir.c_str(), &st) != 0) return dir.substr(0, 1);
  std::string current = dir;
  while (current != "/") {
    std::string up = ParentDir(current);
    struct stat up_st;
    if (stat(up.c_str(), &up_st) != 0 || up_st.st_dev != st.st_dev) break;
    current = up;
  }
  return current;
}

}  // namespace

DocumentDirectories DirectoriesForDocument(const std::string& document_dir) {
  DocumentDirectories dirs;
  dirs.document = document_dir;
  if (!dirs.document.empty() && dirs.document.back() != '/') dirs.document += '/';
  dirs.drive_root = MountPoint(dirs.document);
  // Stand-ins for the Windows directory and the system directory.
  dirs.windows = "/usr/";
  dirs.system = "/usr/lib/";
  return dirs;
}

void AddPredefinedVariables(CVariableStore& store, const DocumentDirectories& dirs) {
  const auto append = [&](std::string_view name, platform::Variant value) {
    // A fresh entry each time, after any earlier one of the name (that one keeps winning).
    Variable* v = store.AppendGlobal(name);
    v->value = std::move(value);
  };
  append("NULL", platform::Variant());
  append("CD_ROOT", platform::Variant::Utf8(dirs.drive_root));
  append("WIN", platform::Variant::Utf8(dirs.windows));
  append("SYS", platform::Variant::Utf8(dirs.system));
  append("APPPATH", platform::Variant::Utf8(dirs.document));
  append("TRUE", platform::Variant::I4(1));
  append("FALSE", platform::Variant::I4(0));
}

}  // namespace browser
