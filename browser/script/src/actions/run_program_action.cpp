#include "run_program_action.h"

#include "browser/script/key_reader.h"
#include "browser/script/system_services.h"
#include "platform/registry.h"

namespace browser {

bool CRunProgramAction::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  read.Text(keys::kFlag, flag_);
  if (flag_ == "registry") {
    read.Text(keys::kRegistryKey, registry_key_);
    read.Text(keys::kRegistryValueName, registry_value_name_);
    read.Text(keys::kParamRegistryValueName, param_registry_value_name_);
    // The values themselves are read when the action runs.
    registry_ = context.registry;
  } else {
    read.Text(keys::kPath, path_);
    read.Text(keys::kParameters, parameters_);
  }
  return CElement::Load(file, context);
}

bool CRunProgramAction::Target(std::string& path, std::string& parameters) const {
  if (flag_ != "registry") {
    path = path_;
    parameters = parameters_;
    return true;
  }
  if (registry_ == nullptr) return false;
  // Only text values have a text form; the program path must be there, a missing
  // parameters value means none.
  auto program = registry_->ReadString(registry_key_, registry_value_name_);
  if (!program || program->size() > kMaxText) return false;
  auto params = registry_->ReadString(registry_key_, param_registry_value_name_);
  if (params && params->size() > kMaxText) return false;
  path = std::move(*program);
  parameters = params.value_or("");
  return true;
}

ActionResult CRunProgramAction::Execute(ScriptContext& context) {
  if (context.system == nullptr) return ActionResult::kContinue;
  std::string path;
  std::string parameters;
  if (!Target(path, parameters)) return ActionResult::kContinue;
  const std::string resolved = context.paths.Resolve(path);
  if (resolved.size() > kMaxText) return ActionResult::kContinue;
  context.system->Perform(request::RunProgram{resolved, parameters});
  return ActionResult::kContinue;
}

}  // namespace browser
