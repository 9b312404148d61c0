#include "platform/program_start.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/ascii_case.h"

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsExecutableFile(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

bool EndsWithExe(std::string_view path) {
  if (path.size() < 4) return false;
  return EqualsIgnoringCase(path.substr(path.size() - 4), ".exe");
}

}  // namespace

std::vector<std::string> SplitParameters(std::string_view text) {
  std::vector<std::string> words;
  size_t i = 0;
  while (true) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i >= text.size()) break;
    if (text[i] == '"') {
      const size_t close = text.find('"', i + 1);
      const size_t end = close == std::string_view::npos ? text.size() : close;
      words.emplace_back(text.substr(i + 1, end - i - 1));
      i = close == std::string_view::npos ? end : close + 1;
    } else {
      const size_t start = i;
      while (i < text.size() && !IsBlank(text[i])) ++i;
      words.emplace_back(text.substr(start, i - start));
    }
  }
  return words;
}

std::optional<std::string> ProgramFile(const std::string& path) {
  if (IsExecutableFile(path)) return path;
  if (EndsWithExe(path)) {
    std::string stem = path.substr(0, path.size() - 4);
    if (IsExecutableFile(stem)) return stem;
  }
  return std::nullopt;
}

}  // namespace platform
