#include "if_while_action.h"

#include <glob.h>

#include "browser/script/variables.h"
#include "condition.h"
#include "stored_result.h"

namespace browser {

bool PathMatchExists(const std::string& pattern) {
  if (pattern.empty()) return false;
  // Only "*" and "?" are wildcards in documents: brackets are escaped for glob, and a
  // backslash is a separator.
  std::string glob_pattern;
  for (char c : pattern) {
    if (c == '\\') {
      glob_pattern += '/';
    } else {
      if (c == '[' || c == ']') glob_pattern += '\\';
      glob_pattern += c;
    }
  }
  glob_t found{};
  // A directory search matches names that begin with a full stop like any other (the
  // folder's own "." and ".." included).
  const int rc = glob(glob_pattern.c_str(), GLOB_PERIOD, nullptr, &found);
  const bool exists = rc == 0 && found.gl_pathc > 0;
  globfree(&found);
  return exists;
}

bool CIfWhileAction::Load(const CDataFile& file, LoadContext& context) {
  has_path_ = file.ReadString(section_, "path", path_);
  if (!has_path_) {
    file.ReadString(section_, "leftName", left_name_);
    file.ReadString(section_, "constValue", const_value_);
    if (const_value_.empty()) file.ReadString(section_, "rightName", right_name_);
    file.ReadInt(section_, "operator", operator_);
  }
  return CElement::Load(file, context);
}

ActionResult CIfWhileAction::Execute(ScriptContext& context) {
  if (has_path_) return PathMatchExists(path_) ? ActionResult::kConditionTrue : ActionResult::kConditionFalse;
  const Variable* left = context.variables.FindVariable(left_name_);
  if (left == nullptr) return ActionResult::kConditionFalse;
  // The right side is compared where it is: a long text is not copied for it.
  platform::Variant constant;
  const platform::Variant* right = &constant;
  if (!const_value_.empty()) {
    constant = platform::Variant::Utf8(const_value_);
  } else if (const Variable* r = context.variables.FindVariable(right_name_)) {
    right = &r->value;
  }
  if (!context.budget.ChargeCharacters(TextSize(left->value) + TextSize(*right))) {
    return ActionResult::kBudgetSpent;
  }
  return EvaluateCondition(left->value, *right, operator_) ? ActionResult::kConditionTrue
                                                           : ActionResult::kConditionFalse;
}

}  // namespace browser
