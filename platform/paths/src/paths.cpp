#include "platform/paths.h"

#include <algorithm>
#include <vector>

namespace platform {
namespace {

struct Split {
  std::string root;  // "/", a drive with its "/" ("C:/"), or empty for a relative path
  std::vector<std::string_view> components;
};

Split SplitPath(std::string_view path) {
  Split split;
  size_t pos = 0;
  if (path.find(':') != std::string_view::npos) {
    size_t sep = 0;
    while (sep < path.size() && !IsSeparator(path[sep])) ++sep;
    split.root = std::string(path.substr(0, sep)) + "/";
    pos = sep;
  } else if (!path.empty() && IsSeparator(path[0])) {
    split.root = "/";
  }
  while (pos < path.size()) {
    while (pos < path.size() && IsSeparator(path[pos])) ++pos;
    size_t end = pos;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    if (end > pos) split.components.push_back(path.substr(pos, end - pos));
    pos = end;
  }
  return split;
}

}  // namespace

std::string NormalizePath(std::string_view path) {
  Split split = SplitPath(path);
  std::vector<std::string_view> kept;
  for (std::string_view c : split.components) {
    if (c.size() >= 2 && c[0] == '.' && c[1] == '.') {
      if (!kept.empty()) kept.pop_back();
    } else if (c[0] != '.') {
      kept.push_back(c);
    }
  }
  std::string out = split.root;
  for (size_t i = 0; i < kept.size(); ++i) {
    if (i > 0) out += '/';
    out += kept[i];
  }
  return out;
}

std::string ResolvePath(std::string_view name, std::string_view document_dir,
                        std::string_view program_dir) {
  if (name.find(':') != std::string_view::npos) return std::string(name);
  if (!name.empty() && name.front() == '/') return NormalizePath(name);
  std::string joined(document_dir.empty() ? program_dir : document_dir);
  if (!joined.empty() && !IsSeparator(joined.back())) joined += '/';
  joined += name;
  return NormalizePath(joined);
}

std::string AsWrittenPath(std::string_view path) {
  const size_t colon = path.find(':');
  bool scheme = colon != std::string_view::npos && colon >= 2;
  for (size_t i = 0; scheme && i < colon; ++i) scheme = !IsSeparator(path[i]);
  std::string out(path);
  if (!scheme) std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

std::string_view FilePart(std::string_view path) {
  const size_t sep = path.find_last_of("\\/");
  return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

std::string_view DirectoryPart(std::string_view path) {
  const size_t sep = path.find_last_of("\\/");
  return sep == std::string_view::npos ? std::string_view() : path.substr(0, sep + 1);
}

std::string ReplaceExtension(std::string_view path, std::string_view extension) {
  const size_t dot = path.rfind('.');
  const size_t file = path.size() - FilePart(path).size();
  const bool in_file_part = dot != std::string_view::npos && dot >= file;
  std::string out(in_file_part ? path.substr(0, dot) : path);
  out += extension;
  return out;
}

std::string TempDirectory(std::string_view chosen) {
  if (chosen.empty()) return "/tmp/";
  std::string dir(chosen);
  if (dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace platform
