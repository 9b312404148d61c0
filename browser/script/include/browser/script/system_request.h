// What the system actions ask of the machine, as values: one type per thing asked, each with
// the one-line account authors' tools print and the program's trace echoes ("VERB:
// ARGUMENTS", paths and addresses as the action prepared them, numbers in decimal).
//
// A new request is a type here with its Line, an alternative of SystemRequest, and a case in
// the performers that do something with it (the machine's, the shell's).
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace browser {

class CDataFile;

namespace request {

// Start the program at `path` with the parameters text, split as a Windows command line is
// (quotes, no escapes). The outcome is not reported.
struct RunProgram {
  std::string path;
  std::string parameters;
  std::string Line() const { return "run: " + path + " " + parameters; }
};

// Open `path` (a document, program or address) with the desktop's handler.
struct ShellOpen {
  std::string path;
  std::string Line() const { return "shell: " + path; }
};

// Show the folder (or open the file) at `path`.
struct OpenFolder {
  std::string path;
  std::string Line() const { return "folder: " + path; }
};

// Open a web address, or a file named like one, in the user's browser.
struct OpenAddress {
  std::string address;
  std::string Line() const { return "open: " + address; }
};

// Start playing the wave file at `path` and return at once; a sound still playing stops. A
// missing file or no sound device plays nothing.
struct PlaySound {
  std::string path;
  std::string Line() const { return "sound: " + path; }
};

// Post to the one top-level window found with the class `window_class`, or to all top-level
// windows when there is none.
struct PostWindowMessage {
  std::string window_class;
  int32_t message = 0;
  int32_t wparam = 0;
  int32_t lparam = 0;
  std::string Line() const {
    return "message: " + window_class + " " + std::to_string(message) + " " +
           std::to_string(wparam) + " " + std::to_string(lparam);
  }
};

// Write `file` to `path` so that the path holds either the previous file or the whole new
// one, never part of it. `key` and `value` are what was written (`written` false when
// nothing was). The file belongs to the caller and outlives the request.
struct SaveDataFile {
  const CDataFile* file = nullptr;
  std::string path;
  std::string key;
  std::string value;
  bool written = false;
  std::string Line() const {
    return written ? "save: " + path + " " + key + " " + value : "save: " + path;
  }
};

// Register or unregister a control file, as RegisterActiveX decided. Answered: false when the
// source of a copy is missing, a server could not be started, the library could not be
// loaded, it has no registration export or that export failed.
struct RegisterControl {
  std::string file;       // the file worked on (after the copy, the copy)
  std::string copy_from;  // not empty: copy this file to `file` first, never over a file
                          // already there; it must exist
  bool server = false;    // a server program (started with /REGSERVER or /UNREGSERVER)
                          // rather than a control library (its registration export)
  bool unregister = false;
  std::string Line() const { return (unregister ? "unregister: " : "register: ") + file; }
};

// Open `address` in a small browser window of the program's own (610 by 300 at left 30, top
// 100, no bars). Answered: false when the program has no such window; the caller then opens
// its address through the shell.
struct OpenWebWindow {
  std::string address;
  std::string Line() const { return "web: " + address; }
};

// The drop effects a drag may offer (DROPEFFECT values).
inline constexpr uint32_t kDropEffectCopy = 1;
inline constexpr uint32_t kDropEffectMove = 2;
inline constexpr uint32_t kDropEffectLink = 4;

// Let the user drag the file `path` out of the window, offering only `effects`; returns when
// the user has dropped or cancelled. Answered: true when it was dropped. Only a program with
// a window drags; without one nothing happens and nothing is said.
struct DragFile {
  std::string path;
  uint32_t effects = 0;
  std::string Line() const { return "drag: " + path; }
  // drag end: dropped PATH / drag end: cancelled PATH (Escape, or a place that takes no file)
  std::string EndLine(bool dropped) const {
    return std::string("drag end: ") + (dropped ? "dropped " : "cancelled ") + path;
  }
};

// A line for authors about an action that needs no service of the machine ("command: NAME
// PARAMETERS"); performers that report nothing ignore it.
struct Report {
  std::string line;
  const std::string& Line() const { return line; }
};

}  // namespace request

using SystemRequest =
    std::variant<request::RunProgram, request::ShellOpen, request::OpenFolder, request::OpenAddress,
                 request::PlaySound, request::PostWindowMessage, request::SaveDataFile,
                 request::RegisterControl, request::OpenWebWindow, request::DragFile,
                 request::Report>;

// The request's one-line account.
inline std::string Line(const SystemRequest& request) {
  return std::visit([](const auto& r) { return std::string(r.Line()); }, request);
}

}  // namespace browser
