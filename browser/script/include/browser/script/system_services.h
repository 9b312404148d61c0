#pragma once

#include <cstdint>
#include <string>

namespace browser {

class CDataFile;

// A control file to register or unregister, as RegisterActiveX decided it.
struct ControlRegistration {
  std::string file;        // the file worked on (after the copy, the copy)
  std::string copy_from;   // not empty: copy this file to `file` first, never over a file
                           // already there; it must exist
  bool server = false;     // a server program (started with /REGSERVER or /UNREGSERVER)
                           // rather than a control library (its registration export)
  bool unregister = false;
};

// What the system actions ask of the machine, in their own terms. Paths and addresses come
// as the action prepared them (resolved or as written); the service decides how the desktop
// does it. None of them waits for what it starts, and none shows a message.
//
// The program performs them (LiveSystemServices), authors' tools print them
// (PrintingSystemServices), tests record them.
class SystemServices {
 public:
  virtual ~SystemServices() = default;

  // RunProgram: start the program at `path` with the parameters text, split as a Windows
  // command line is (quotes, no escapes). The outcome is not reported.
  virtual void RunProgram(const std::string& path, const std::string& parameters) = 0;
  // ShellExecute: open `path` (a document, program or address) with the desktop's handler.
  virtual void ShellOpen(const std::string& path) = 0;
  // OpenFolder: show the folder (or open the file) at `path`.
  virtual void OpenFolder(const std::string& path) = 0;
  // LaunchHtml: open a web address, or a file named like one, in the user's browser.
  virtual void OpenAddress(const std::string& address) = 0;
  // PlaySound: start playing the wave file at `path` and return at once; a sound still
  // playing stops. A missing file or no sound device plays nothing.
  virtual void PlaySound(const std::string& path) = 0;
  // PostMessage: post to the one top-level window found with the class `window_class`, or to
  // all top-level windows when there is none.
  virtual void PostWindowMessage(const std::string& window_class, int32_t message,
                                 int32_t wparam, int32_t lparam) = 0;
  // SaveToFile: write `file` to `path` so that the path holds either the previous file or
  // the whole new one, never part of it. `key` and `value` are what was written (`value`
  // nullptr when nothing was). Failures are ignored by the caller.
  virtual void SaveDataFile(const CDataFile& file, const std::string& path,
                            const std::string& key, const std::string* value) = 0;
  // RegisterActiveX: false when the source of a copy is missing, a server could not be
  // started, the library could not be loaded, it has no registration export or that export
  // failed.
  virtual bool RegisterControl(const ControlRegistration& control) = 0;
  // LaunchInternetExplorer: open `address` in a small browser window of the program's own
  // (610 by 300 at left 30, top 100, no bars). False when the program has no such window;
  // the caller then opens its address through the shell.
  virtual bool OpenWebWindow(const std::string& address) = 0;

  // A line for authors about an action that needs no service of the machine
  // ("command: NAME PARAMETERS"); services that report nothing ignore it.
  virtual void Report(const std::string& /*line*/) {}
};

}  // namespace browser
