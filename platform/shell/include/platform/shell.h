// What a program asks of the desktop shell: start another program, open a file, folder or
// address, hand a message to the mail composer. Qt-free; the real implementation is DesktopShell (desktop_shell.h), tests use
// RecordingShell (recording_shell.h).
#pragma once

#include <string>
#include <vector>

namespace platform {

class Shell {
 public:
  virtual ~Shell() = default;

  // Starts `program` (a path, or a name looked up in PATH) with `args`, detached: the caller
  // never waits for it and it runs on after the caller ends. Returns once the program has
  // been executed or has failed to be: true when it runs, false (and `error`, when given,
  // names the program and the reason) when it could not be found or executed. The program
  // inherits the standard input, output and error and no other open file of the caller.
  virtual bool StartDetached(const std::string& program, const std::vector<std::string>& args,
                             std::string* error) = 0;

  // Opens a file, folder or address with the desktop's handler for it (the file manager for
  // a folder, the user's browser for a web address), detached. True when the handler was
  // started; whether it could open the target is not known.
  virtual bool Open(const std::string& target, std::string* error) = 0;

  // Opens the desktop's mail composer with the subject and body filled in; the user adds the
  // recipients there. Lines of `body` end in LF alone (the composer adds its own CR). True
  // when the composer was started; whether the user then sends the message is not known.
  virtual bool ComposeMail(const std::string& subject, const std::string& body,
                           std::string* error) = 0;
};

}  // namespace platform
