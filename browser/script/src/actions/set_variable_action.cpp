#include "set_variable_action.h"

#include "browser/script/key_reader.h"
#include "browser/script/variables.h"
#include "platform/registry.h"
#include "stored_result.h"

namespace browser {

bool CSetVariableAction::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  read.Text(keys::kVarName, var_name_);
  read.Long(keys::kScope, scope_);
  int16_t type = static_cast<int16_t>(value_type_);
  read.Short(keys::kValueType, type);
  value_type_ = static_cast<uint16_t>(type);
  read.Text(keys::kFlag, flag_);
  if (flag_ == "registry") {
    read.Text(keys::kRegistryKey, registry_key_);
    read.Text(keys::kRegistryValueName, registry_value_name_);
    // Read once, now: the script later stores what the registry held when the document loaded.
    const auto v = context.registry == nullptr
                       ? std::nullopt
                       : context.registry->Read(registry_key_, registry_value_name_);
    if (v) {
      value_ = platform::Variant::Utf8(v->kind == platform::UserRegistry::Value::Kind::kString
                                           ? v->text
                                           : std::to_string(v->dword));
    }
  } else {
    read.ByValueType(keys::kValue, value_type_, value_);
  }
  return CElement::Load(file, context);
}

ActionResult CSetVariableAction::Execute(ScriptContext& context) {
  ActionResult result = ActionResult::kContinue;
  Variable* v = context.variables.FindOrCreateInScope(scope_, var_name_, result);
  if (v == nullptr) return result;
  std::optional<platform::Variant> value = ExpandedInPlaceOf(context, *v, value_);
  if (!value) return ActionResult::kBudgetSpent;
  return StoreResult(context, *v, std::move(*value));
}

}  // namespace browser
