#include "browser/shell/command_line.h"

#include <charconv>

namespace browser::shell {
namespace {

// WIDTHxHEIGHT, each 1 to 32767 (an X11 screen's limit).
bool ParseScreen(const std::string& text, int& width, int& height) {
  const size_t x = text.find('x');
  if (x == std::string::npos) return false;
  auto number = [](const char* first, const char* last, int& out) {
    const auto [end, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && end == last && first != last && out >= 1 && out <= 32767;
  };
  const char* s = text.data();
  return number(s, s + x, width) && number(s + x + 1, s + text.size(), height);
}

CommandLine Error(std::string message) {
  CommandLine result;
  result.action = CommandLine::Action::kError;
  result.error = std::move(message);
  return result;
}

}  // namespace

const char* UsageText() {
  return "usage: panorel [OPTION]... [DOCUMENT]\n"
         "Shows a presentation document: a container (.cdz) of data files (.cdb), a\n"
         "folder of data files written as text (its .cdb files, with the pictures and\n"
         "other files beside them), or a single data file.\n"
         "Without exactly one DOCUMENT, shows panorel.cdz beside the program.\n"
         "\n"
         "  --trace FILE              append one tab-separated line per step to FILE:\n"
         "                            load, event, action, request, system, budget,\n"
         "                            control, handover, focus and exit lines, as the\n"
         "                            authors' guide tells\n"
         "  --screenshot OUT.png      load the document without a display, paint its page\n"
         "                            into OUT.png (transparent outside the window's\n"
         "                            shape) and exit\n"
         "  --screen WIDTHxHEIGHT     take this as the screen size (a screenshot without\n"
         "                            it takes the display's, else 1024x768, and says so)\n"
         "  --watch                   load the page again (\"OnUnload\", then \"OnLoad\")\n"
         "                            whenever a file of the document changes on disk,\n"
         "                            keeping the window where it is; a data file that\n"
         "                            cannot be read leaves the page as it is and is\n"
         "                            named on stderr with its line\n"
         "  --help                    show this text and exit\n"
         "  --version                 show the version and exit\n"
         "\n"
         "Exit status: 0 when the program ran (also when it found no document it could\n"
         "show, which it names on stderr), 1 when a screenshot could not be made, 2 for\n"
         "bad options.\n";
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine result;
  std::vector<std::string> documents;
  bool options_done = false;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    if (options_done || arg.size() < 2 || arg[0] != '-') {
      documents.push_back(arg);
      continue;
    }
    if (arg == "--") {
      options_done = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      result.action = CommandLine::Action::kHelp;
      return result;
    }
    if (arg == "--version") {
      result.action = CommandLine::Action::kVersion;
      return result;
    }
    if (arg == "--watch") {
      result.watch = true;
      continue;
    }
    std::string value;
    bool has_value = false;
    if (const size_t eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = arg.substr(eq + 1);
      arg.resize(eq);
      has_value = true;
    }
    if (arg != "--trace" && arg != "--screenshot" && arg != "--screen") {
      return Error("unknown option '" + arg + "'");
    }
    if (!has_value) {
      if (i + 1 >= args.size()) return Error(arg + " needs a value");
      value = args[++i];
    }
    if (value.empty()) return Error(arg + " needs a value");
    if (arg == "--trace") {
      result.trace = value;
    } else if (arg == "--screenshot") {
      result.screenshot = value;
    } else if (!ParseScreen(value, result.screen_width, result.screen_height)) {
      return Error("--screen wants WIDTHxHEIGHT, not '" + value + "'");
    }
  }
  // A picture of the page is made once: nothing is left to watch.
  if (result.watch && !result.screenshot.empty()) {
    return Error("--watch and --screenshot do not go together");
  }
  if (documents.size() == 1) result.document = documents[0];
  return result;
}

}  // namespace browser::shell
