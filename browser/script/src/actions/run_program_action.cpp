// "RunProgram": starts a program, its path resolved against the document directory, with a
// parameters text passed on as written. The path and parameters are the keys "path" and
// "parameters", or ("flag" is "registry") values of the user's registry key "registryKey",
// read each time the action runs. A program path of 260 bytes or more, or a registry value
// that long, starts nothing: it would not have fitted the buffers documents were written for,
// and cutting it would name another file. Always answers kContinue.
#include "browser/script/key_reader.h"
#include "browser/script/script_item.h"
#include "browser/script/system_services.h"
#include "platform/registry.h"

namespace browser {
namespace {

// The longest text the buffers of 260 bytes held, without the terminating zero.
constexpr size_t kMaxText = 259;

class CRunProgramAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;

  ActionResult Execute(ScriptContext& context) override {
    if (context.system == nullptr) return ActionResult::kContinue;
    std::string path;
    std::string parameters;
    if (!Target(path, parameters)) return ActionResult::kContinue;
    const std::string resolved = context.paths.Resolve(path);
    if (resolved.size() > kMaxText) return ActionResult::kContinue;
    context.system->Perform(request::RunProgram{resolved, parameters});
    return ActionResult::kContinue;
  }

 private:
  bool ReadKeys(const KeyReader& read, LoadContext& context) override {
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
    return true;
  }

  // The path and parameters to run with; false when there is nothing to run.
  bool Target(std::string& path, std::string& parameters) const {
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

  std::string flag_;
  std::string path_;
  std::string parameters_;
  std::string registry_key_;
  std::string registry_value_name_;
  std::string param_registry_value_name_;
  const platform::RegistryStore* registry_ = nullptr;
};

}  // namespace

std::unique_ptr<CScriptItem> MakeRunProgram(std::string section, CElement* parent) {
  return std::make_unique<CRunProgramAction>(std::move(section), parent);
}

}  // namespace browser
