// "SetVariable" and "Create Variable": stores a value (from the document, or read from the
// user's registry when the document loads) into a variable of a scope, creating it.
#include "browser/script/key_reader.h"
#include "browser/script/script_item.h"
#include "browser/script/variables.h"
#include "platform/registry.h"
#include "stored_result.h"

namespace browser {
namespace {

class CSetVariableAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;

  ActionResult Execute(ScriptContext& context) override {
    ActionResult result = ActionResult::kContinue;
    Variable* v = context.variables.FindOrCreateInScope(scope_, var_name_, result);
    if (v == nullptr) return result;
    std::optional<platform::Variant> value = ExpandedInPlaceOf(context, *v, value_);
    if (!value) return ActionResult::kBudgetSpent;
    return StoreResult(context, *v, std::move(*value));
  }

 private:
  bool ReadKeys(const KeyReader& read, LoadContext& context) override {
    read.Text(keys::kVarName, var_name_);
    read.Long(keys::kScope, scope_);
    read.Short(keys::kValueType, value_type_);
    std::string flag;
    read.Text(keys::kFlag, flag);
    if (flag != "registry") {
      read.ByValueType(keys::kValue, value_type_, value_);
      return true;
    }
    std::string key, value_name;
    read.Text(keys::kRegistryKey, key);
    read.Text(keys::kRegistryValueName, value_name);
    // Read once, now: the script later stores what the registry held when the document loaded.
    const auto v =
        context.registry == nullptr ? std::nullopt : context.registry->Read(key, value_name);
    if (v) {
      value_ = platform::Variant::Utf8(v->kind == platform::UserRegistry::Value::Kind::kString
                                           ? v->text
                                           : std::to_string(v->dword));
    }
    return true;
  }

  std::string var_name_;
  int32_t scope_ = 0;
  uint16_t value_type_ = platform::VT_BSTR;
  platform::Variant value_;
};

}  // namespace

std::unique_ptr<CScriptItem> MakeSetVariable(std::string section, CElement* parent) {
  return std::make_unique<CSetVariableAction>(std::move(section), parent);
}

}  // namespace browser
