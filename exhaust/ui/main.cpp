// exhaust: the engine/turbine exhaust sizing program. Without arguments it opens the main
// form; the commands (`exhaust calc`, `report`, `mail`, `--help`) work without a display.
#include <QApplication>
#include <QGuiApplication>
#include <clocale>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "exhaust/cli.h"
#include "formkit_print/report_printer.h"
#include "frm_exhaust_window.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (exhaust::IsCommandLine(args)) {
    // Fonts and PDF drawing need a Qt application, but never a display.
    std::unique_ptr<QGuiApplication> gui;
    exhaust::CliServices services;
    services.write_pdf = [&](const formkit::Report& report, const std::string& path,
                             std::string* error) {
      if (!gui) {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        gui = std::make_unique<QGuiApplication>(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
      }
      return formkit::WriteReportPdf(report, path, error);
    };
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
