// exhaust: the engine/turbine exhaust sizing program. Without arguments it opens the main
// form; `exhaust calc` and `exhaust --help` work without a display.
#include <QApplication>
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "exhaust/cli.h"
#include "frm_exhaust_window.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (exhaust::IsCommandLine(args)) return exhaust::RunCommandLine(args, std::cout, std::cerr);
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
