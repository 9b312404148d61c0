// sizing: the vent sizing program. Without a command it opens the main form, with the job
// file given (if any); the commands (`sizing calc`, `report`, `mail`, `--help`) work without
// a display.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "formkit_print/program_main.h"
#include "frm_sizing_window.h"
#include "frm_splash.h"
#include "sizing/cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (formkit::IsJobCommandLine(args))
    return formkit::RunDesktopCommandLine(sizing::CliProgram(), argc, argv);
  // sizing [--splash] [JOB.siz]
  bool splash = false;
  std::string job;
  for (const std::string& arg : args) {
    if (arg == "--splash" && !splash) {
      splash = true;
    } else if (job.empty() && !arg.empty() && (arg[0] != '-' || arg == "-")) {
      job = arg;
    } else {
      std::cerr << "sizing: unknown command '" << arg << "'\nTry 'sizing --help'.\n";
      return 64;
    }
  }

  QApplication app(argc, argv);
  formkit::SetUpFormApplication("Sizing", "corvane-sizing");
  sizing::FrmSizingWindow window;
  QApplication::setWindowIcon(window.windowIcon());
  auto open_main = [&window, &job] {
    window.show();
    if (!job.empty()) window.OpenJobFile(job);
  };
  if (!splash) {
    open_main();
    return app.exec();
  }
  // With --splash the program opens on its splash form; a key or a click goes on to the
  // main form.
  auto* screen = new sizing::FrmSplash(PROJECT_VERSION_MAJOR, PROJECT_VERSION_MINOR,
                                       PROJECT_VERSION_PATCH);
  QObject::connect(screen, &sizing::FrmSplash::switchToMain, &window, [screen, open_main] {
    screen->close();
    screen->deleteLater();
    open_main();
  });
  screen->show();
  return app.exec();
}
