// The `exhaust` command line: batch calculation, reports and e-mail of job files without a
// window.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "formkit/mail.h"
#include "formkit/report.h"

namespace exhaust {

// What the command line needs from outside the core.
struct CliServices {
  // Draws the report into a PDF file; empty when PDF output is not available.
  std::function<bool(const formkit::Report&, const std::string& path, std::string* error)> write_pdf;
  // Hands a message to the mail composer; null uses the desktop's composer.
  formkit::MailSender* mail = nullptr;
  // The date line of reports; empty means today.
  std::string report_date;
};

// True when the arguments ask for the command line rather than the window.
bool IsCommandLine(const std::vector<std::string>& args);

// Runs a command (args without the program name). Returns the exit status: 0 on success,
// 1 when a report or mail could not be made, 2 when a job file could not be read, 64 for a
// usage error.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const CliServices& services = {});

std::string UsageText();

}  // namespace exhaust
