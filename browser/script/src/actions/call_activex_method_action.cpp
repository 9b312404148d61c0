#include "call_activex_method_action.h"

#include <algorithm>

#include "browser/doc/section_names.h"
#include "browser/script/control_scripting.h"
#include "browser/script/id_manager.h"
#include "browser/script/key_reader.h"
#include "browser/script/numbered_sections.h"
#include "browser/script/variables.h"
#include "stored_result.h"

namespace browser {

using platform::Variant;
using platform::VariantError;

bool CActiveXMethodParameter::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  read.Text(keys::kConstValue, const_value_);
  read.Text(keys::kVarName, var_name_);
  read.Short(keys::kValueType, value_type_);
  return CElement::Load(file, context);
}

CCallActiveXMethodAction::~CCallActiveXMethodAction() = default;

bool CCallActiveXMethodAction::ReadKeys(const KeyReader& read, LoadContext& context) {
  const CDataFile& file = read.file();
  read.Text(keys::kControlId, control_id_);
  read.Text(keys::kMethod, method_);
  read.Short(keys::kReturnType, return_type_);
  read.Text(keys::kRetVariable, ret_variable_);
  int32_t count = 0;
  read.Int(keys::kNumParameters, count);
  count_ = std::max(count, 0);

  // Parameter n lives in "<section>_Param_n"; one missing in between is an empty parameter.
  int last = -1;
  if (count > 0 && file.FindSection(ParamSection(section_, 0))) last = 0;
  std::string prefix = ParamSection(section_, 0);
  prefix.pop_back();
  const std::vector<int> numbers = ExistingNumberedSections(file, prefix, count - 1);
  if (!numbers.empty()) last = numbers.back();
  for (int n = 0; n <= last; ++n) {
    parameters_.push_back(
        std::make_unique<CActiveXMethodParameter>(ParamSection(section_, n), this));
  }
  for (auto& p : parameters_) p->Load(file, context);
  return true;
}

std::unique_ptr<CScriptItem> MakeCallActiveXMethod(std::string section, CElement* parent) {
  return std::make_unique<CCallActiveXMethodAction>(std::move(section), parent);
}

ActionResult CCallActiveXMethodAction::Execute(ScriptContext& context) {
  auto* control = dynamic_cast<ControlScripting*>(context.ids.Lookup(control_id_));
  if (control == nullptr) return ActionResult::kObjectMissing;
  // Every argument is charged before any is made: a count no event could afford makes none.
  if (!context.budget.ChargeItems(count_)) return ActionResult::kBudgetSpent;

  std::vector<Variant> arguments;
  arguments.reserve(static_cast<size_t>(count_));
  for (const auto& p : parameters_) {
    const Variable* v =
        p->var_name().empty() ? nullptr : context.variables.FindVariable(p->var_name());
    if (v == nullptr) {
      arguments.push_back(Variant::Utf8(p->const_value()));
      continue;
    }
    std::optional<Variant> value = Expanded(context, v->value);
    if (!value) return ActionResult::kBudgetSpent;
    arguments.push_back(std::move(*value));
  }
  // The parameters past the last section are empty ones.
  while (arguments.size() < static_cast<size_t>(count_)) arguments.push_back(Variant::Utf8(""));

  Variant result;
  // What the control does with the call is its business: a failed call changes nothing.
  const bool called = control->InvokeMethod(method_, arguments, result);
  if (!called || return_type_ == kNoResult || ret_variable_.empty()) return ActionResult::kContinue;
  // Looked up after the call: the control's events may have run scripts meanwhile.
  Variable* target = context.variables.FindVariable(ret_variable_);
  if (target == nullptr) return ActionResult::kContinue;
  VariantError error = VariantError::kOk;
  Variant converted = Variant::Converted(result, target->value.type(), &error);
  if (error != VariantError::kOk) return ActionResult::kContinue;
  if (!context.budget.ChargeCharacters(TextSize(converted))) return ActionResult::kBudgetSpent;
  return StoreResult(context, *target, std::move(converted));
}

}  // namespace browser
