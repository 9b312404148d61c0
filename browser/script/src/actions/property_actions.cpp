#include "property_actions.h"

#include "browser/script/id_manager.h"
#include "browser/script/key_reader.h"
#include "browser/script/scriptable_object.h"
#include "browser/script/variables.h"
#include "browser/doc/section_names.h"
#include "stored_result.h"

namespace browser {
namespace {

using platform::Variant;
using platform::VariantError;

CScriptableObject* FindScriptable(const ScriptContext& context, const std::string& id) {
  return dynamic_cast<CScriptableObject*>(context.ids.Lookup(id));
}

}  // namespace

bool CGetPropertyAction::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  read.Text(keys::kControlId, control_id_);
  read.Text(keys::kProperty, property_);
  read.Text(keys::kVariableName, variable_name_);
  read.Long(keys::kScope, scope_);
  return CElement::Load(file, context);
}

ActionResult CGetPropertyAction::Execute(ScriptContext& context) {
  ActionResult result = ActionResult::kContinue;
  Variable* v = context.variables.FindOrCreateInScope(scope_, variable_name_, result);
  if (v == nullptr) return result;
  CScriptableObject* object = FindScriptable(context, control_id_);
  if (object == nullptr) return ActionResult::kObjectMissing;
  // The property is read into a copy (of the variable's type, which the classes look at), so
  // that a text the variables have no room for is not kept.
  if (!context.budget.ChargeCharacters(TextSize(v->value))) return ActionResult::kBudgetSpent;
  Variant value = v->value;
  // A wrong type is the author's business: the variable keeps its value and the script goes on.
  const bool failed = object->AccessProperty(property_, value, false) == PropertyResult::kFailed;
  if (!context.budget.ChargeCharacters(TextSize(value))) return ActionResult::kBudgetSpent;
  const ActionResult stored = StoreResult(context, *v, std::move(value));
  if (stored != ActionResult::kContinue) return stored;
  return failed ? ActionResult::kPropertyError : ActionResult::kContinue;
}

bool CSetPropertyAction::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  read.Text(keys::kControlId, control_id_);
  const auto read_assignment = [&](const std::string& section) {
    const KeyReader assignment(file, section, context);
    Assignment a;
    assignment.Text(keys::kProperty, a.property);
    assignment.Text(keys::kVariableName, a.variable_name);
    int16_t type = static_cast<int16_t>(a.value_type);
    assignment.Short(keys::kValueType, type);
    a.value_type = static_cast<uint16_t>(type);
    assignment.ByValueType(keys::kValue, a.value_type, a.value);
    assignments_.push_back(std::move(a));
  };
  std::string multi;
  if (read.Text(keys::kMulti, multi)) {
    // Whatever "multi" says, its presence selects the numbered sections.
    for (int n = 0; KeyReader(file, PropertySection(section_, n), context)
                        .Present(keys::kProperty);
         ++n) {
      read_assignment(PropertySection(section_, n));
    }
  } else {
    read_assignment(section_);
  }
  return CElement::Load(file, context);
}

ActionResult CSetPropertyAction::Execute(ScriptContext& context) {
  CScriptableObject* object = FindScriptable(context, control_id_);
  if (object == nullptr) return ActionResult::kObjectMissing;
  // One item may hold as many assignments as its document has sections: each is an item's work.
  if (!context.budget.ChargeItems(static_cast<int64_t>(assignments_.size()))) {
    return ActionResult::kBudgetSpent;
  }
  for (const Assignment& a : assignments_) {
    Variant value;
    const Variable* v =
        a.variable_name.empty() ? nullptr : context.variables.FindVariable(a.variable_name);
    if (v != nullptr) {
      if (!context.budget.ChargeCharacters(2 * TextSize(v->value))) {
        return ActionResult::kBudgetSpent;
      }
      if (v->value.type() != a.value_type) {
        const auto type = static_cast<platform::VarType>(a.value_type);
        VariantError e;
        value = Variant::Converted(v->value, type, &e);
        if (e != VariantError::kOk) {
          Variant text = Variant::Converted(v->value, platform::VT_BSTR, &e);
          if (e == VariantError::kOk) value = Variant::Converted(text, type, &e);
          if (e != VariantError::kOk) return ActionResult::kPropertyError;
        }
      } else {
        std::optional<Variant> expanded = Expanded(context, v->value);
        if (!expanded) return ActionResult::kBudgetSpent;
        value = std::move(*expanded);
      }
    } else {
      std::optional<Variant> expanded = Expanded(context, a.value);
      if (!expanded) return ActionResult::kBudgetSpent;
      value = std::move(*expanded);
    }
    // An unknown property or a wrong type does not stop the script.
    object->AccessProperty(a.property, value, true);
  }
  return ActionResult::kContinue;
}

}  // namespace browser
