#include "browser/machine/live_system_services.h"

#include <filesystem>

#include "browser/doc/data_file.h"
#include "browser/doc/no_case.h"
#include "browser/machine/system_lines.h"
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

bool LiveSystemServices::Open(const std::string& target) {
  if (services_.shell == nullptr) return false;
  if (!MayOpen(target)) {
    return Fail("not opened: '" + target + "' is no existing file and no web address");
  }
  std::string error;
  if (!services_.shell->Open(target, &error)) return Fail(error);
  if (services_.tell) services_.tell(system_lines::Opened(target));
  return true;
}

struct LiveSystemServices::Performer {
  LiveSystemServices& live;
  const Services& s = live.services_;

  bool Do(const request::RunProgram& run) {
    if (s.shell == nullptr) return false;
    const auto program = platform::ProgramFile(run.path);
    // Not a program here: a document, opened as the shell opens documents.
    if (!program) return live.Open(run.path);
    return live.Start(*program, platform::SplitParameters(run.parameters));
  }

  bool Do(const request::PlaySound& sound) {
    if (s.sound == nullptr) return false;
    s.sound->Play(sound.path);
    return true;
  }

  bool Do(const request::PostWindowMessage& post) {
    if (s.windows == nullptr) return false;
    s.windows->Post(post.window_class, static_cast<uint32_t>(post.message),
                    static_cast<uint32_t>(post.wparam), post.lparam);
    return true;
  }

  bool Do(const request::SaveDataFile& save) {
    if (save.file == nullptr) return false;
    platform::DiskFileSystem disk;
    const Status saved = save.file->SaveText(disk, save.path);
    return saved.ok() || live.Fail(saved.message());
  }

  bool Do(const request::RegisterControl& control) {
    if (!control.copy_from.empty()) {
      if (!platform::FileExists(control.copy_from)) {
        return live.Fail(control.copy_from + ": no such control file");
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
      if (s.shell == nullptr) return live.Fail(control.file + ": cannot start the server");
      const auto program = platform::ProgramFile(control.file);
      if (!program) return live.Fail(control.file + ": no server program here");
      return live.Start(*program, {control.unregister ? "/UNREGSERVER" : "/REGSERVER"});
    }
    if (s.controls == nullptr) return live.Fail(control.file + ": cannot load control libraries");
    return s.controls->Register(control.file, control.unregister, &error) || live.Fail(error);
  }

  bool Do(const request::ShellOpen& open) { return live.Open(open.path); }
  bool Do(const request::OpenFolder& open) { return live.Open(open.path); }
  bool Do(const request::OpenAddress& open) { return live.Open(open.address); }
  // The program's window has these, the machine alone has not.
  bool Do(const request::OpenWebWindow&) { return false; }
  bool Do(const request::DragFile&) { return false; }
  bool Do(const request::Report&) { return true; }
};

bool LiveSystemServices::Perform(const SystemRequest& request) {
  Performer performer{*this};
  return std::visit([&performer](const auto& r) { return performer.Do(r); }, request);
}

}  // namespace browser
