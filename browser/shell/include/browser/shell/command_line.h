#pragma once

#include <optional>
#include <string>
#include <vector>

namespace browser::shell {

// panorel [--trace FILE] [--screenshot OUT.png] [--screen WIDTHxHEIGHT] [--watch] [--help]
//         [--version] [DOCUMENT...]
struct CommandLine {
  enum class Action { kRun, kHelp, kVersion, kError };
  Action action = Action::kRun;
  std::string error;  // kError: what was wrong, for stderr
  // The document: the one argument that is not an option; empty with none or several, when
  // the program shows the container named after itself.
  std::string document;
  std::string trace;       // --trace FILE (appended to)
  std::string screenshot;  // --screenshot OUT.png
  int screen_width = 0;    // --screen WIDTHxHEIGHT; 0 without
  int screen_height = 0;
  bool watch = false;      // --watch: the page loads again when the document changes on disk
};

// Reads the arguments after the program name. "--" ends the options; "--name=value" is the
// same as "--name value".
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The text of --help.
const char* UsageText();

}  // namespace browser::shell
