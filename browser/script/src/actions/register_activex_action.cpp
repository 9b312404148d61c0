#include "register_activex_action.h"

#include "browser/doc/no_case.h"
#include "browser/script/key_reader.h"
#include "platform/paths.h"

namespace browser {
namespace {

// ".exe" anywhere after the first character, in any case.
bool NamesServerProgram(std::string_view file) {
  for (size_t at = 1; at + 4 <= file.size(); ++at) {
    if (EqualsNoCase(file.substr(at, 4), ".exe")) return true;
  }
  return false;
}

}  // namespace

bool CRegisterActiveXAction::ReadKeys(const KeyReader& read, LoadContext& context) {
  read.Text(keys::kFilename, filename_);
  if (filename_.empty()) return false;
  bool copy_to_system = false;
  read.Bool(keys::kUnregister, control_.unregister);
  read.Bool(keys::kCopyToSystem, copy_to_system);
  const std::string& system_dir = context.system_dirs.controls.empty()
                                      ? context.system_dirs.system
                                      : context.system_dirs.controls;
  const std::string system_copy = system_dir + std::string(platform::FilePart(filename_));
  if (copy_to_system && control_.unregister) {
    // Unregistering what an earlier registration copied there: nothing is copied.
    control_.file = system_copy;
  } else if (copy_to_system) {
    control_.copy_from = context.paths.Resolve(filename_);
    control_.file = system_copy;
  } else {
    control_.file = context.paths.Resolve(filename_);
  }
  control_.server = NamesServerProgram(control_.file);
  return true;
}

std::unique_ptr<CScriptItem> MakeRegisterActiveX(std::string section, CElement* parent) {
  return std::make_unique<CRegisterActiveXAction>(std::move(section), parent);
}

ActionResult CRegisterActiveXAction::Execute(ScriptContext& context) {
  if (filename_.empty()) return ActionResult::kObjectMissing;
  return Perform(context.system, control_) ? ActionResult::kContinue : ActionResult::kObjectMissing;
}

}  // namespace browser
