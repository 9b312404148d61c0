// The actions that read and put properties of the document's objects.
#include "browser/doc/section_names.h"
#include "browser/script/id_manager.h"
#include "browser/script/key_reader.h"
#include "browser/script/script_item.h"
#include "browser/script/scriptable_object.h"
#include "browser/script/variables.h"
#include "stored_result.h"

namespace browser {
namespace {

using platform::Variant;

CScriptableObject* FindScriptable(const ScriptContext& context, const std::string& id) {
  return dynamic_cast<CScriptableObject*>(context.ids.Lookup(id));
}

// "GetProperty": reads a property of the object "controlId" into a variable of a scope,
// creating the variable. Element classes read a known property only into a variable that
// already holds the property's type.
class CGetPropertyAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;

  ActionResult Execute(ScriptContext& context) override {
    ActionResult result = ActionResult::kContinue;
    Variable* v = context.variables.FindOrCreateInScope(scope_, variable_name_, result);
    if (v == nullptr) return result;
    CScriptableObject* object = FindScriptable(context, control_id_);
    if (object == nullptr) return ActionResult::kObjectMissing;
    // The property is read into a copy (of the variable's type, which the classes look at), so
    // that a text the variables have no room for is not kept.
    if (!context.budget.ChargeCharacters(TextSize(v->value))) return ActionResult::kBudgetSpent;
    Variant value = v->value;
    // A wrong type is the author's business: the variable keeps its value and the script goes
    // on.
    const bool failed = object->AccessProperty(property_, value, false) == PropertyResult::kFailed;
    if (!context.budget.ChargeCharacters(TextSize(value))) return ActionResult::kBudgetSpent;
    const ActionResult stored = StoreResult(context, *v, std::move(value));
    if (stored != ActionResult::kContinue) return stored;
    return failed ? ActionResult::kPropertyError : ActionResult::kContinue;
  }

 private:
  bool ReadKeys(const KeyReader& read, LoadContext&) override {
    read.Text(keys::kControlId, control_id_);
    read.Text(keys::kProperty, property_);
    read.Text(keys::kVariableName, variable_name_);
    read.Long(keys::kScope, scope_);
    return true;
  }

  std::string control_id_;
  std::string property_;
  std::string variable_name_;
  int32_t scope_ = 0;
};

// "SetProperty": puts one or more properties of the object "controlId", each from a variable
// or a constant. With a "multi" key the assignments come from the sections
// "<section>_Property_0", "_1", ... up to the first without "property".
class CSetPropertyAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;

  ActionResult Execute(ScriptContext& context) override {
    CScriptableObject* object = FindScriptable(context, control_id_);
    if (object == nullptr) return ActionResult::kObjectMissing;
    // One item may hold as many assignments as its document has sections: each is an item's
    // work.
    if (!context.budget.ChargeItems(static_cast<int64_t>(assignments_.size()))) {
      return ActionResult::kBudgetSpent;
    }
    for (const Assignment& a : assignments_) {
      std::optional<Variant> value;
      const Variable* v =
          a.variable_name.empty() ? nullptr : context.variables.FindVariable(a.variable_name);
      if (v != nullptr && !context.budget.ChargeCharacters(2 * TextSize(v->value))) {
        return ActionResult::kBudgetSpent;
      }
      if (v != nullptr && v->value.type() != a.value_type) {
        value = ConvertedOrByText(v->value, static_cast<platform::VarType>(a.value_type));
        if (!value) return ActionResult::kPropertyError;
      } else {
        value = Expanded(context, v != nullptr ? v->value : a.value);
        if (!value) return ActionResult::kBudgetSpent;
      }
      // An unknown property or a wrong type does not stop the script.
      object->AccessProperty(a.property, *value, true);
    }
    return ActionResult::kContinue;
  }

 private:
  struct Assignment {
    std::string property;
    std::string variable_name;
    uint16_t value_type = platform::VT_BSTR;
    Variant value;
  };

  bool ReadKeys(const KeyReader& read, LoadContext& context) override {
    read.Text(keys::kControlId, control_id_);
    const auto read_assignment = [&](const KeyReader& assignment) {
      Assignment a;
      assignment.Text(keys::kProperty, a.property);
      assignment.Text(keys::kVariableName, a.variable_name);
      assignment.Short(keys::kValueType, a.value_type);
      assignment.ByValueType(keys::kValue, a.value_type, a.value);
      assignments_.push_back(std::move(a));
    };
    std::string multi;
    if (read.Text(keys::kMulti, multi)) {
      // Whatever "multi" says, its presence selects the numbered sections.
      for (int n = 0;; ++n) {
        const KeyReader assignment(read.file(), PropertySection(section_, n), context);
        if (!assignment.Present(keys::kProperty)) break;
        read_assignment(assignment);
      }
    } else {
      read_assignment(read);
    }
    return true;
  }

  std::string control_id_;
  std::vector<Assignment> assignments_;
};

}  // namespace

std::unique_ptr<CScriptItem> MakeGetProperty(std::string section, CElement* parent) {
  return std::make_unique<CGetPropertyAction>(std::move(section), parent);
}
std::unique_ptr<CScriptItem> MakeSetProperty(std::string section, CElement* parent) {
  return std::make_unique<CSetPropertyAction>(std::move(section), parent);
}

}  // namespace browser
