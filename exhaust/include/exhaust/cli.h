// The `exhaust` command line: batch calculation, reports and e-mail of job files without a
// window, run by formkit::RunJobCommandLine.
#pragma once

#include <string>

#include "formkit/job_cli.h"

namespace exhaust {

// The engine exhaust program's commands, its own options, and its session: a headless form the
// jobs run on in order.
const formkit::JobCliProgram& CliProgram();

// The --help text.
std::string UsageText();

}  // namespace exhaust
