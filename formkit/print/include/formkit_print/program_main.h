// What both programs' main functions do alike: run a command of the command line with the
// desktop's services, or set the application up for the form.
#pragma once

#include "formkit/job_cli.h"

namespace formkit {

// Runs `program`'s command given on the command line (argv without the program name)
// with the desktop's services: reports drawn into PDF files on the locale's paper, mail
// handed to the desktop's composer. Gives the exit status.
int RunDesktopCommandLine(const JobCliProgram& program, int& argc, char** argv);

// Sets up the application of a form program: the application and desktop file names, and
// "." as the decimal point of the C library (Qt took the user's locale for everything,
// the programs' own numbers always use ".").
void SetUpFormApplication(const char* name, const char* desktop_file);

}  // namespace formkit
