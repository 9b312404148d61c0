// The `exhaust` command line: batch calculation of job files without a window.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace exhaust {

// True when the arguments ask for the command line rather than the window.
bool IsCommandLine(const std::vector<std::string>& args);

// Runs a command (args without the program name). Returns the exit status: 0 when every
// job was read, 2 when a job file could not be read, 64 for a usage error.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string UsageText();

}  // namespace exhaust
