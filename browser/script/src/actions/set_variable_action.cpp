#include "set_variable_action.h"

#include "browser/script/variables.h"
#include "platform/registry.h"
#include "stored_result.h"

namespace browser {

bool CSetVariableAction::Load(const CDataFile& file, LoadContext& context) {
  file.ReadString(section_, "varName", var_name_);
  file.ReadLong(section_, "scope", scope_);
  int16_t type = static_cast<int16_t>(value_type_);
  file.ReadShort(section_, "valueType", type);
  value_type_ = static_cast<uint16_t>(type);
  file.ReadString(section_, "flag", flag_);
  if (flag_ == "registry") {
    file.ReadString(section_, "registryKey", registry_key_);
    file.ReadString(section_, "registryValueName", registry_value_name_);
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
    file.ReadVariant(section_, "value", value_type_, value_);
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
