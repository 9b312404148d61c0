#pragma once

#include <string>
#include <vector>

namespace browser {

// What the machine really did with a request, for the program's trace (the requests' own
// lines are their Line, system_request.h).
namespace system_lines {

// started: PROGRAM ARGS (the file really started, each argument after a blank, in double
// quotes when it is empty or holds a blank)
std::string Started(const std::string& program, const std::vector<std::string>& args);
std::string Opened(const std::string& target);  // opened: TARGET (by the desktop's handler)
std::string Failed(const std::string& reason);  // failed: REASON

}  // namespace system_lines
}  // namespace browser
