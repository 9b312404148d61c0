#include "browser/script/printing_system_services.h"

#include "browser/script/system_lines.h"
#include "platform/paths.h"

namespace browser {
namespace system_lines {

std::string Run(const std::string& path, const std::string& parameters) {
  return "run: " + path + " " + parameters;
}
std::string Shell(const std::string& path) { return "shell: " + path; }
std::string Folder(const std::string& path) { return "folder: " + path; }
std::string Open(const std::string& address) { return "open: " + address; }
std::string Sound(const std::string& path) { return "sound: " + path; }
std::string Message(const std::string& window_class, int32_t message, int32_t wparam,
                    int32_t lparam) {
  return "message: " + window_class + " " + std::to_string(message) + " " +
         std::to_string(wparam) + " " + std::to_string(lparam);
}
std::string Save(const std::string& path, const std::string& key, const std::string* value) {
  if (value == nullptr) return "save: " + path;
  return "save: " + path + " " + key + " " + *value;
}
std::string Register(const ControlRegistration& control) {
  return (control.unregister ? "unregister: " : "register: ") + control.file;
}
std::string Web(const std::string& address) { return "web: " + address; }
std::string Started(const std::string& program, const std::vector<std::string>& args) {
  std::string line = "started: " + program;
  for (const std::string& arg : args) {
    const bool quote = arg.empty() || arg.find_first_of(" \t") != std::string::npos;
    line += quote ? " \"" + arg + "\"" : " " + arg;
  }
  return line;
}
std::string Opened(const std::string& target) { return "opened: " + target; }
std::string Failed(const std::string& reason) { return "failed: " + reason; }

}  // namespace system_lines

void PrintingSystemServices::RunProgram(const std::string& path, const std::string& parameters) {
  sink_(system_lines::Run(path, parameters));
}
void PrintingSystemServices::ShellOpen(const std::string& path) {
  sink_(system_lines::Shell(path));
}
void PrintingSystemServices::OpenFolder(const std::string& path) {
  sink_(system_lines::Folder(path));
}
void PrintingSystemServices::OpenAddress(const std::string& address) {
  sink_(system_lines::Open(address));
}
void PrintingSystemServices::PlaySound(const std::string& path) {
  sink_(system_lines::Sound(path));
}
void PrintingSystemServices::PostWindowMessage(const std::string& window_class, int32_t message,
                                               int32_t wparam, int32_t lparam) {
  sink_(system_lines::Message(window_class, message, wparam, lparam));
}
void PrintingSystemServices::SaveDataFile(const CDataFile& /*file*/, const std::string& path,
                                          const std::string& key, const std::string* value) {
  sink_(system_lines::Save(path, key, value));
}
bool PrintingSystemServices::RegisterControl(const ControlRegistration& control) {
  // Only reads: the source of a copy must be there for the registration to go on.
  if (!control.copy_from.empty() && !platform::FileExists(control.copy_from)) return false;
  sink_(system_lines::Register(control));
  return true;
}
bool PrintingSystemServices::OpenWebWindow(const std::string& address) {
  sink_(system_lines::Web(address));
  return true;
}

void EchoingSystemServices::RunProgram(const std::string& path, const std::string& parameters) {
  sink_(system_lines::Run(path, parameters));
  inner_.RunProgram(path, parameters);
}
void EchoingSystemServices::ShellOpen(const std::string& path) {
  sink_(system_lines::Shell(path));
  inner_.ShellOpen(path);
}
void EchoingSystemServices::OpenFolder(const std::string& path) {
  sink_(system_lines::Folder(path));
  inner_.OpenFolder(path);
}
void EchoingSystemServices::OpenAddress(const std::string& address) {
  sink_(system_lines::Open(address));
  inner_.OpenAddress(address);
}
void EchoingSystemServices::PlaySound(const std::string& path) {
  sink_(system_lines::Sound(path));
  inner_.PlaySound(path);
}
void EchoingSystemServices::PostWindowMessage(const std::string& window_class, int32_t message,
                                              int32_t wparam, int32_t lparam) {
  sink_(system_lines::Message(window_class, message, wparam, lparam));
  inner_.PostWindowMessage(window_class, message, wparam, lparam);
}
void EchoingSystemServices::SaveDataFile(const CDataFile& file, const std::string& path,
                                         const std::string& key, const std::string* value) {
  sink_(system_lines::Save(path, key, value));
  inner_.SaveDataFile(file, path, key, value);
}
bool EchoingSystemServices::RegisterControl(const ControlRegistration& control) {
  sink_(system_lines::Register(control));
  return inner_.RegisterControl(control);
}
bool EchoingSystemServices::OpenWebWindow(const std::string& address) {
  const bool opened = inner_.OpenWebWindow(address);
  if (opened) sink_(system_lines::Web(address));
  return opened;
}
void EchoingSystemServices::Report(const std::string& line) {
  sink_(line);
  inner_.Report(line);
}

}  // namespace browser
