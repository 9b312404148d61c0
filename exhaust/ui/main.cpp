// exhaust: the engine/turbine exhaust sizing program. Without arguments it opens the main
// form; the commands (`exhaust calc`, `report`, `mail`, `--help`) work without a display.
#include <QApplication>
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "exhaust/cli.h"
#include "formkit_print/report_printer.h"
#include "frm_exhaust_window.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (exhaust::IsCommandLine(args)) {
    formkit::CommandLinePdf pdf(argc, argv);
    exhaust::CliServices services;
    services.write_pdf = pdf.Writer();
    return exhaust::RunCommandLine(args, std::cout, std::cerr, services);
  }
  if (!args.empty() && args[0].rfind("-", 0) != 0) {
    std::cerr << "exhaust: unknown command '" << args[0] << "'\nTry 'exhaust --help'.\n";
    return 64;
  }

  QApplication app(argc, argv);
  // The program's own numbers always use "."; Qt took the user's locale for everything.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Exhaust"));
  exhaust::FrmExhaustWindow window;
  window.show();
  return app.exec();
}
