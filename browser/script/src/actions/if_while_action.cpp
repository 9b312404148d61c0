#include "if_while_action.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <memory>

#include "browser/script/key_reader.h"
#include "browser/script/variables.h"
#include "condition.h"
#include "stored_result.h"

namespace browser {

std::optional<bool> PathMatchExists(const std::string& pattern, EventBudget& budget) {
  if (pattern.empty()) return false;
  // A backslash is a separator. Wildcards match in the last component only, as a directory
  // search does: the folders are named exactly, so the search reads one folder, never a tree.
  std::string path = pattern;
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  const size_t slash = path.rfind('/');
  const std::string folder =
      slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
  const std::string last = slash == std::string::npos ? path : path.substr(slash + 1);
  if (last.find_first_of("*?") == std::string::npos) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
  }
  // Only "*" and "?" are wildcards in documents: brackets are escaped for fnmatch.
  std::string name_pattern;
  for (char c : last) {
    if (c == '[' || c == ']') name_pattern += '\\';
    name_pattern += c;
  }
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
  if (dir == nullptr) return false;
  while (const dirent* entry = ::readdir(dir.get())) {
    // Each name looked at is work of the event, as an item is.
    if (!budget.ChargeItems(1)) return std::nullopt;
    // A directory search matches names that begin with a full stop like any other (the
    // folder's own "." and ".." included).
    if (::fnmatch(name_pattern.c_str(), entry->d_name, 0) == 0) return true;
  }
  return false;
}

bool CIfWhileAction::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  has_path_ = read.Text(keys::kPath, path_);
  if (!has_path_) {
    read.Text(keys::kLeftName, left_name_);
    read.Text(keys::kConstValue, const_value_);
    if (const_value_.empty()) read.Text(keys::kRightName, right_name_);
    read.Int(keys::kOperator, operator_);
  }
  return CElement::Load(file, context);
}

ActionResult CIfWhileAction::Execute(ScriptContext& context) {
  if (has_path_) {
    const std::optional<bool> exists = PathMatchExists(path_, context.budget);
    if (!exists) return ActionResult::kBudgetSpent;
    return *exists ? ActionResult::kConditionTrue : ActionResult::kConditionFalse;
  }
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
