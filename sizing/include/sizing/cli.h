// The `sizing` command line: batch calculation, reports and e-mail of job files without a
// window.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "formkit/job_cli.h"

namespace sizing {

using formkit::CliServices;

// True when the arguments ask for the command line rather than the window.
bool IsCommandLine(const std::vector<std::string>& args);

// Runs a command (args without the program name). Returns the exit status: 0 on success,
// 1 when a report or mail could not be made, 2 when a job file could not be read, 64 for a
// usage error.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const CliServices& services = {});

std::string UsageText();

}  // namespace sizing
