#include "formkit_print/program_main.h"

#include <QApplication>
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "formkit/mail.h"
#include "formkit_print/report_printer.h"
#include "platform/desktop_shell.h"

namespace formkit {

int RunDesktopCommandLine(const JobCliProgram& program, int& argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  CommandLinePdf pdf(argc, argv);
  platform::DesktopShell shell;
  ComposerMailSender composer(shell);
  CliServices services;
  services.write_pdf = pdf.Writer();
  services.paper = LocalePaper();
  services.mail = &composer;
  return RunJobCommandLine(program, args, std::cout, std::cerr, services);
}

void SetUpFormApplication(const char* name, const char* desktop_file) {
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QString::fromLatin1(name));
  QApplication::setDesktopFileName(QString::fromLatin1(desktop_file));
}

}  // namespace formkit
