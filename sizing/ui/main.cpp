// sizing: the vent sizing program. Without arguments it opens the main form; `sizing calc`
// and `sizing --help` work without a display.
#include <QApplication>
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "frm_sizing_window.h"
#include "sizing/cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (sizing::IsCommandLine(args)) return sizing::RunCommandLine(args, std::cout, std::cerr);
  if (!args.empty() && args[0].rfind("-", 0) != 0) {
    std::cerr << "sizing: unknown command '" << args[0] << "'\nTry 'sizing --help'.\n";
    return 64;
  }

  QApplication app(argc, argv);
  // The programs' own numbers always use "."; Qt took the user's locale for everything.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Sizing"));
  sizing::FrmSizingWindow window;
  window.show();
  return app.exec();
}
