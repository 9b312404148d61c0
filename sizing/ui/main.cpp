// sizing: the vent sizing program. Without arguments it opens the main form; the commands
// (`sizing calc`, `report`, `mail`, `--help`) work without a display.
#include <QApplication>
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "formkit_print/report_printer.h"
#include "frm_sizing_window.h"
#include "frm_splash.h"
#include "sizing/cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (sizing::IsCommandLine(args)) {
    formkit::CommandLinePdf pdf(argc, argv);
    sizing::CliServices services;
    services.write_pdf = pdf.Writer();
    return sizing::RunCommandLine(args, std::cout, std::cerr, services);
  }
  const bool splash = !args.empty() && args[0] == "--splash";
  if (!args.empty() && !(splash && args.size() == 1)) {
    std::cerr << "sizing: unknown command '" << args[0] << "'\nTry 'sizing --help'.\n";
    return 64;
  }

  QApplication app(argc, argv);
  // The programs' own numbers always use "."; Qt took the user's locale for everything.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Sizing"));
  sizing::FrmSizingWindow window;
  if (!splash) {
    window.show();
    return app.exec();
  }
  // With --splash the program opens on its splash form; a key or a click goes on to the
  // main form.
  auto* screen = new sizing::FrmSplash(PROJECT_VERSION_MAJOR, PROJECT_VERSION_MINOR,
                                       PROJECT_VERSION_PATCH);
  QObject::connect(screen, &sizing::FrmSplash::switchToMain, &window, [screen, &window] {
    screen->close();
    screen->deleteLater();
    window.show();
  });
  screen->show();
  return app.exec();
}
