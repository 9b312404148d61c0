#include "if_while_action.h"

#include <fnmatch.h>

#include "browser/script/key_reader.h"
#include "browser/script/script_item.h"
#include "browser/script/variables.h"
#include "condition.h"
#include "platform/file_system.h"
#include "stored_result.h"

namespace browser {

std::optional<bool> PathMatchExists(platform::FileSystem& files, const std::string& pattern,
                                    EventBudget& budget) {
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
  if (last.find_first_of("*?") == std::string::npos) return files.Exists(path);
  // Only "*" and "?" are wildcards in documents: brackets are escaped for fnmatch.
  std::string name_pattern;
  for (char c : last) {
    if (c == '[' || c == ']') name_pattern += '\\';
    name_pattern += c;
  }
  bool found = false;
  bool spent = false;
  files.ListFolder(folder, [&](std::string_view name) {
    // Each name looked at is work of the event, as an item is.
    spent = !budget.ChargeItems(1);
    // A directory search matches names that begin with a full stop like any other (the
    // folder's own "." and ".." included).
    found = !spent && ::fnmatch(name_pattern.c_str(), std::string(name).c_str(), 0) == 0;
    return !spent && !found;
  });
  if (spent) return std::nullopt;
  return found;
}

namespace {

// "IF/WHILE Statement": answers whether the block up to its ELSE or ENDIF runs. The condition
// is either that a file matching "path" exists, or a comparison of a variable with a text
// constant or another variable. Files are looked for through the load context's (none: no
// file exists). Nothing loops.
class CIfWhileAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;

  ActionResult Execute(ScriptContext& context) override {
    if (has_path_) {
      if (files_ == nullptr) return ActionResult::kConditionFalse;
      const std::optional<bool> exists = PathMatchExists(*files_, path_, context.budget);
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

 private:
  bool ReadKeys(const KeyReader& read, LoadContext& context) override {
    files_ = context.files;
    has_path_ = read.Text(keys::kPath, path_);
    if (!has_path_) {
      read.Text(keys::kLeftName, left_name_);
      read.Text(keys::kConstValue, const_value_);
      if (const_value_.empty()) read.Text(keys::kRightName, right_name_);
      read.Int(keys::kOperator, operator_);
    }
    return true;
  }

  platform::FileSystem* files_ = nullptr;
  bool has_path_ = false;
  std::string path_;
  std::string left_name_;
  std::string const_value_;
  std::string right_name_;
  int32_t operator_ = 0;
};

// "ELSE Statement" and "ENDIF Statement" mark blocks for the run loop; executed, they do
// nothing (an ENDIF without an open block is harmless).
class CBlockMark : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;
  ActionResult Execute(ScriptContext&) override { return ActionResult::kContinue; }
};

}  // namespace

std::unique_ptr<CScriptItem> MakeIfWhile(std::string section, CElement* parent) {
  return std::make_unique<CIfWhileAction>(std::move(section), parent);
}
std::unique_ptr<CScriptItem> MakeElse(std::string section, CElement* parent) {
  return std::make_unique<CBlockMark>(std::move(section), parent);
}
std::unique_ptr<CScriptItem> MakeEndIf(std::string section, CElement* parent) {
  return std::make_unique<CBlockMark>(std::move(section), parent);
}

}  // namespace browser
