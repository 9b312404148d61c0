#include "browser/script/live_system_services.h"

#include <filesystem>

#include "browser/doc/data_file.h"
#include "browser/doc/no_case.h"
#include "browser/script/system_lines.h"
#include "platform/control_library.h"
#include "platform/disk_file_system.h"
#include "platform/paths.h"
#include "platform/program_start.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/windows.h"

namespace browser {
namespace {

// The scheme of an address ("http" of "http://..."): letters, digits, "+", "-", "." after a
// letter, up to a colon; a single letter is a drive, not a scheme.
std::string_view Scheme(std::string_view address) {
  const size_t colon = address.find(':');
  if (colon == std::string_view::npos || colon < 2) return {};
  for (size_t i = 0; i < colon; ++i) {
    const char c = address[i];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letter && (i == 0 || !((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'))) {
      return {};
    }
  }
  return address.substr(0, colon);
}

}  // namespace

bool LiveSystemServices::MayOpen(const std::string& target) {
  if (target.empty()) return false;
  const std::string_view scheme = Scheme(target);
  for (const char* allowed : {"http", "https", "mailto", "file"}) {
    if (EqualsNoCase(scheme, allowed)) return true;
  }
  return platform::FileExists(target);
}

bool LiveSystemServices::Fail(const std::string& reason) {
  if (services_.complain) services_.complain(reason);
  return false;
}

bool LiveSystemServices::Start(const std::string& program, const std::vector<std::string>& args) {
  std::string error;
  if (!services_.shell->StartDetached(program, args, &error)) return Fail(error);
  if (services_.tell) services_.tell(system_lines::Started(program, args));
  return true;
}

void LiveSystemServices::Open(const std::string& target) {
  if (services_.shell == nullptr) return;
  if (!MayOpen(target)) {
    Fail("not opened: '" + target + "' is no existing file and no web address");
    return;
  }
  std::string error;
  if (!services_.shell->Open(target, &error)) {
    Fail(error);
  } else if (services_.tell) {
    services_.tell(system_lines::Opened(target));
  }
}

void LiveSystemServices::RunProgram(const std::string& path, const std::string& parameters) {
  if (services_.shell == nullptr) return;
  const auto program = platform::ProgramFile(path);
  // Not a program here: a document, opened as the shell opens documents.
  if (!program) return Open(path);
  Start(*program, platform::SplitParameters(parameters));
}

void LiveSystemServices::ShellOpen(const std::string& path) { Open(path); }
void LiveSystemServices::OpenFolder(const std::string& path) { Open(path); }
void LiveSystemServices::OpenAddress(const std::string& address) { Open(address); }

void LiveSystemServices::PlaySound(const std::string& path) {
  if (services_.sound != nullptr) services_.sound->Play(path);
}

void LiveSystemServices::PostWindowMessage(const std::string& window_class, int32_t message,
                                           int32_t wparam, int32_t lparam) {
  if (services_.windows == nullptr) return;
  services_.windows->Post(window_class, static_cast<uint32_t>(message),
                          static_cast<uint32_t>(wparam), lparam);
}

void LiveSystemServices::SaveDataFile(const CDataFile& file, const std::string& path,
                                      const std::string& /*key*/, const std::string* /*value*/) {
  platform::DiskFileSystem disk;
  const Status saved = file.SaveText(disk, path);
  if (!saved.ok()) Fail(saved.message());
}

bool LiveSystemServices::RegisterControl(const ControlRegistration& control) {
  if (!control.copy_from.empty()) {
    if (!platform::FileExists(control.copy_from)) {
      return Fail(control.copy_from + ": no such control file");
    }
    // A file already there is kept; whether the copy worked is not asked. The folder it goes
    // to (the user's plug-in folder) may not be there yet.
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(control.file).parent_path(), ec);
    std::filesystem::copy_file(control.copy_from, control.file,
                               std::filesystem::copy_options::skip_existing, ec);
  }
  std::string error;
  if (control.server) {
    if (services_.shell == nullptr) return Fail(control.file + ": cannot start the server");
    const auto program = platform::ProgramFile(control.file);
    if (!program) return Fail(control.file + ": no server program here");
    return Start(*program, {control.unregister ? "/UNREGSERVER" : "/REGSERVER"});
  }
  if (services_.controls == nullptr) return Fail(control.file + ": cannot load control libraries");
  return services_.controls->Register(control.file, control.unregister, &error) || Fail(error);
}

bool LiveSystemServices::OpenWebWindow(const std::string& /*address*/) { return false; }

}  // namespace browser
