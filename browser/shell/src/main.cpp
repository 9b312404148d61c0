// panorel: the presentation browser of the product CD.
#include <QApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <iostream>
#include <optional>
#include <vector>

#include "browser/machine/machine_services.h"
#include "browser/page/trace.h"
#include "browser/machine/system_lines.h"
#include "browser/shell/command_line.h"
#include "browser/shell/main_window.h"
#include "browser/shell/screenshot.h"
#include "browser/shell/temp_folder.h"
#include "browser/shell/x11_window.h"
#include "platform/paths.h"
#include "platform/registry.h"

using browser::shell::CommandLine;

namespace {

// The screen a preview takes when neither --screen nor a display gives one.
constexpr int kPreviewScreenWidth = 1024;
constexpr int kPreviewScreenHeight = 768;

// A command-line document a user names from a terminal is found from the current folder;
// names that are no file here keep the documents' own rule (the program's folder).
std::string DocumentArgument(const std::string& name) {
  if (name.empty() || name.front() == '/' || name.find(':') != std::string::npos) return name;
  char* resolved = realpath(name.c_str(), nullptr);
  if (resolved == nullptr) return name;
  std::string absolute = resolved;
  std::free(resolved);
  return absolute;
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine line =
      browser::shell::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  switch (line.action) {
    case CommandLine::Action::kHelp:
      std::cout << browser::shell::UsageText();
      return 0;
    case CommandLine::Action::kVersion:
      std::cout << "panorel " PANOREL_VERSION "\n";
      return 0;
    case CommandLine::Action::kError:
      std::cerr << "panorel: " << line.error << "\n"
                << "Try 'panorel --help' for more information.\n";
      return 2;
    case CommandLine::Action::kRun:
      break;
  }

  std::FILE* trace_file = nullptr;
  if (!line.trace.empty()) {
    trace_file = std::fopen(line.trace.c_str(), "a");
    if (trace_file == nullptr) {
      std::cerr << "panorel: " << line.trace << ": " << std::strerror(errno) << "\n";
      return 1;
    }
  }
  const bool preview = !line.screenshot.empty();
  // A preview needs no display.
  if (preview) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt aborts without a display; a user gets a line instead.
  if (!preview && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
      qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    std::cerr << "panorel: no display (DISPLAY is not set); --screenshot works without one\n";
    if (trace_file != nullptr) std::fclose(trace_file);
    return 1;
  }

  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("panorel"));
  app.setQuitOnLastWindowClosed(false);

  const platform::UserRegistry registry;
  browser::shell::WindowOptions options;
  options.document = DocumentArgument(line.document);
  options.program_path = QCoreApplication::applicationFilePath().toStdString();
  if (line.screen_width > 0) {
    options.screen = QSize(line.screen_width, line.screen_height);
  } else if (preview) {
    // The preview's platform has a stand-in screen of its own: the page is laid out for the
    // display this runs on, or for a screen it names.
    if (const auto size = browser::shell::X11DisplaySize(qEnvironmentVariable("DISPLAY").toStdString())) {
      options.screen = QSize(size->first, size->second);
    } else {
      options.screen = QSize(kPreviewScreenWidth, kPreviewScreenHeight);
      std::cerr << "panorel: no --screen and no display: the page is laid out for a "
                << kPreviewScreenWidth << "x" << kPreviewScreenHeight << " screen\n";
    }
  }
  options.preview = preview;
  options.watch = line.watch;
  options.trace = trace_file;
  options.registry = &registry;
  // The temporary folder is the user's own: one user's saved state is not another's.
  std::string temp_why;
  options.directories.temp = browser::shell::UserTempFolder(
      qEnvironmentVariable("TMPDIR").toStdString(), "/tmp", getuid(), &temp_why);
  if (!temp_why.empty()) std::cerr << "panorel: temporary folder: " << temp_why << "\n";
  // Hosted controls and the programs started from the document find it as their own.
  if (qEnvironmentVariableIsEmpty("TMPDIR") && !options.directories.temp.empty()) {
    qputenv("TMPDIR", QByteArray::fromStdString(options.directories.temp));
  }
  // The desktop this program runs on: its display for window messages, the user's plug-ins.
  const browser::MachineServices::Environment environment{
      qEnvironmentVariable("DISPLAY").toStdString(),
      qEnvironmentVariable("XDG_DATA_HOME").toStdString(),
      qEnvironmentVariable("HOME").toStdString()};
  options.directories.controls = browser::MachineServices::ControlFolder(environment);
  // The trace hears what it really did: the program started, or why nothing was.
  browser::MachineServices machine(
      environment,
      [trace = browser::Trace(trace_file)](const std::string& reason) mutable {
        std::cerr << "panorel: " << reason << "\n";
        trace.System(browser::system_lines::Failed(reason));
      },
      [trace = browser::Trace(trace_file)](const std::string& line) mutable { trace.System(line); });
  if (!preview) options.system = &machine.services();

  int status = 0;
  {
    browser::shell::MainWindow window(options);
    if (preview) {
      status = browser::shell::WriteScreenshot(window, line.screenshot);
    } else {
      QObject::connect(&window, &browser::shell::MainWindow::finished, &app, &QApplication::exit);
      status = app.exec();
    }
  }
  browser::Trace(trace_file).Exit(status);
  if (trace_file != nullptr) std::fclose(trace_file);
  return status;
}
