// exhaust: the engine/turbine exhaust sizing program. Without a command it opens the main
// form, with the job file given (if any); the commands (`exhaust calc`, `report`, `mail`,
// `--help`) work without a display.
#include <QApplication>
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "exhaust/cli.h"
#include "formkit/mail.h"
#include "formkit_print/report_printer.h"
#include "frm_exhaust_window.h"
#include "platform/desktop_shell.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (exhaust::IsCommandLine(args)) {
    formkit::CommandLinePdf pdf(argc, argv);
    platform::DesktopShell shell;
    formkit::ComposerMailSender composer(shell);
    exhaust::CliServices services;
    services.write_pdf = pdf.Writer();
    services.paper = formkit::LocalePaper();
    services.mail = &composer;
    return exhaust::RunCommandLine(args, std::cout, std::cerr, services);
  }
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
  // The program's own numbers always use "."; Qt took the user's locale for everything.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Exhaust"));
  QApplication::setDesktopFileName(QStringLiteral("corvane-exhaust"));
  exhaust::FrmExhaustWindow window;
  QApplication::setWindowIcon(window.windowIcon());
  window.show();
  if (!job.empty()) window.OpenJobFile(job);
  return app.exec();
}
