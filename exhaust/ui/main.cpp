// exhaust: the engine/turbine exhaust sizing program. Without a command it opens the main
// form, with the job file given (if any); the commands (`exhaust calc`, `report`, `mail`,
// `--help`) work without a display.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "exhaust/cli.h"
#include "formkit_print/program_main.h"
#include "frm_exhaust_window.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (formkit::IsJobCommandLine(args))
    return formkit::RunDesktopCommandLine(exhaust::CliProgram(), argc, argv);
  // exhaust [JOB.exh]; options are Qt's own (-style, ...).
  std::string job;
  for (const std::string& arg : args) {
    if (arg.rfind("-", 0) == 0 && arg != "-") continue;
    if (!job.empty()) {
      std::cerr << "exhaust: unknown command '" << arg << "'\nTry 'exhaust --help'.\n";
      return 64;
    }
    job = arg;
  }

  QApplication app(argc, argv);
  formkit::SetUpFormApplication("Exhaust", "corvane-exhaust");
  exhaust::FrmExhaustWindow window;
  QApplication::setWindowIcon(window.windowIcon());
  window.show();
  if (!job.empty()) window.OpenJobFile(job);
  return app.exec();
}
