// cdztool: builds and inspects the document containers the browser reads.
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include <signal.h>
#include <unistd.h>

#include "cdztool.h"
#include "key_reference.h"
#include "lint.h"
#include "plugin_controls.h"

namespace {

constexpr char kUsage[] =
    "usage: cdztool pack OUT [--gzip] FILE...   write a container of the data files,\n"
    "                                           each named by its file name\n"
    "       cdztool pack OUT [--gzip] DIR       write a container of the folder's data\n"
    "                                           files (*.cdb) in the order of their\n"
    "                                           names, as panorel DIR shows them\n"
    "       cdztool list [--json] CONTAINER     print each member's name and size\n"
    "       cdztool cat CONTAINER MEMBER        print a member's lines as the browser reads them\n"
    "       cdztool get CONTAINER MEMBER SECTION KEY\n"
    "                                           print a key's raw value\n"
    "       cdztool run DOCUMENT [--member NAME] [--event NAME[@ID]]... [--vars] [--live]\n"
    "                   [--registry FILE]\n"
    "                                           run the PreLoad scripts, then each event on\n"
    "                                           the main page (or the object with that id);\n"
    "                                           --vars prints the variables as JSON; the\n"
    "                                           system actions print what they would do\n"
    "                                           (\"run: PATH PARAMETERS\", ...) unless --live\n"
    "                                           performs them; the document reads the\n"
    "                                           user's settings store, as the browser\n"
    "                                           does, or FILE\n"
    "       cdztool lint [--json] [--watch] DOCUMENT\n"
    "                                           report what the browser would not do as\n"
    "                                           the document says: misspelt events, actions\n"
    "                                           and keys, unbalanced IF/ELSE/ENDIF, counts\n"
    "                                           past the sections, unknown ids, missing\n"
    "                                           files, frames out of range (DOCUMENT: a\n"
    "                                           container, a folder of data files or a\n"
    "                                           plain data file); exit status 1 when it\n"
    "                                           found an error; --watch reports afresh\n"
    "                                           after every save of the document until\n"
    "                                           SIGINT or SIGTERM (then the status of the\n"
    "                                           last report)\n"
    "       cdztool vocabulary                  print the key reference of the authors'\n"
    "                                           guide: every key each object and action\n"
    "                                           reads (Markdown)\n"
    "Containers may be gzip-compressed. Member names ignore case; sections do not.\n"
    "Exit status: 0 on success, 1 on any failure (described on stderr).\n";

volatile std::sig_atomic_t g_stop = 0;

// SIGINT and SIGTERM end a watch between two rounds; they interrupt its wait.
void StopOnSignals() {
  struct sigaction action {};
  action.sa_handler = [](int) { g_stop = 1; };
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

int UsageError(const std::string& problem) {
  std::cerr << "cdztool: " << problem << "\n" << kUsage;
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
  }
  if (args.empty()) return UsageError("no command given");
  const std::string command = args[0];
  args.erase(args.begin());

  if (command == "run") {
    cdztool::RunOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
      const std::string& arg = args[i];
      if (arg == "--vars") {
        options.print_variables = true;
      } else if (arg == "--live") {
        options.live = true;
      } else if (arg == "--member" || arg == "--event" || arg == "--registry") {
        if (i + 1 >= args.size()) return UsageError(arg + " needs a value");
        std::string& value = arg == "--member"     ? options.member
                             : arg == "--registry" ? options.registry
                                                   : options.events.emplace_back();
        value = args[++i];
      } else if (arg.rfind("--", 0) == 0) {
        return UsageError("unknown option '" + arg + "'");
      } else if (options.document.empty()) {
        options.document = arg;
      } else {
        return UsageError("run takes one document");
      }
    }
    if (options.document.empty()) return UsageError("run needs a document");
    return cdztool::Run(options, std::cout, std::cerr);
  }

  bool flag = false;
  const char* flag_name = command == "pack"                      ? "--gzip"
                          : command == "list" || command == "lint" ? "--json"
                                                                   : nullptr;
  if (flag_name != nullptr) {
    flag = std::erase(args, flag_name) > 0;
  }

  if (command == "pack") {
    if (args.size() < 2) return UsageError("pack needs an output file and at least one file");
    return cdztool::Pack(args[0], {args.begin() + 1, args.end()}, flag, std::cerr);
  }
  if (command == "list") {
    if (args.size() != 1) return UsageError("list needs one container");
    return cdztool::List(args[0], flag, std::cout, std::cerr);
  }
  if (command == "lint") {
    const bool watch = std::erase(args, "--watch") > 0;
    if (args.size() != 1) return UsageError("lint needs one document");
    const auto controls = [](const std::string& dir) {
      return cdztool::MakePluginControls(cdztool::PluginFoldersFor(dir));
    };
    if (!watch) return cdztool::LintCommand(args[0], flag, std::cout, std::cerr, controls);
    StopOnSignals();
    return cdztool::LintWatchCommand(args[0], flag, std::cout, std::cerr, controls,
                                     [] { return g_stop != 0; },
                                     !flag && isatty(STDOUT_FILENO) == 1);
  }
  if (command == "vocabulary") {
    if (!args.empty()) return UsageError("vocabulary takes no arguments");
    std::cout << cdztool::KeyReference();
    return 0;
  }
  if (command == "cat") {
    if (args.size() != 2) return UsageError("cat needs a container and a member name");
    return cdztool::Cat(args[0], args[1], std::cout, std::cerr);
  }
  if (command == "get") {
    if (args.size() != 4) return UsageError("get needs a container, member, section and key");
    return cdztool::Get(args[0], args[1], args[2], args[3], std::cout, std::cerr);
  }
  return UsageError("unknown command '" + command + "'");
}
