#include "browser/machine/system_lines.h"

namespace browser::system_lines {

std::string Started(const std::string& program, const std::vector<std::string>& args) {
  std::string line = "started: " + program;
  for (const std::string& arg : args) {
    const bool quote = arg.empty() || arg.find_first_of(" \t") != std::string::npos;
    line += quote ? " \"" + arg + "\"" : " " + arg;
  }
  return line;
}
std::string Opened(const std::string& target) { return "opened: " + target; }
std::string Failed(const std::string& reason) { return "failed: " + reason; }

}  // namespace browser::system_lines
