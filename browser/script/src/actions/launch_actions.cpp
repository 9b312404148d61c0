// The actions that open a web address: the text of the variable "variableName" when it
// holds one, else "path", with the variables' references expanded.
#include <algorithm>

#include "browser/script/key_reader.h"
#include "browser/script/script_item.h"
#include "browser/script/system_services.h"
#include "browser/script/variables.h"
#include "platform/paths.h"

namespace browser {
namespace {

class CLaunchAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;

  ActionResult Execute(ScriptContext& context) override {
    if (context.system == nullptr) return ActionResult::kContinue;
    std::string address = Address(context);
    if (context.budget.spent()) return ActionResult::kBudgetSpent;
    Open(*context.system, std::move(address));
    return ActionResult::kContinue;
  }

 protected:
  virtual void Open(SystemServices& system, std::string address) const = 0;

  std::string path_;

 private:
  bool ReadKeys(const KeyReader& read, LoadContext&) override {
    read.Text(keys::kVariableName, variable_name_);
    read.Text(keys::kPath, path_);
    return true;
  }

  // The address, or an empty one when it does not fit in the event's budget (the budget is
  // spent then).
  std::string Address(ScriptContext& context) const {
    std::u16string address;
    const Variable* v =
        variable_name_.empty() ? nullptr : context.variables.FindVariable(variable_name_);
    if (v != nullptr && v->value.IsText()) {
      address = v->value.TextValue();
    } else {
      address = platform::Utf8ToText(path_);
    }
    std::optional<std::u16string> expanded =
        ExpandReferences(context.variables, address, context.budget);
    return expanded ? platform::TextToUtf8(*expanded) : std::string();
  }

  std::string variable_name_;
};

// "LaunchHtml": opens the address in the user's browser. Always answers kContinue.
class CLaunchHtmlAction : public CLaunchAction {
 public:
  using CLaunchAction::CLaunchAction;

 private:
  void Open(SystemServices& system, std::string address) const override {
    system.Perform(request::OpenAddress{platform::AsWrittenPath(address)});
  }
};

// "LaunchInternetExplorer": opens the address, every backslash turned into a slash, in the
// program's small browser window; without one, opens "path" as written through the shell.
// Always answers kContinue.
class CLaunchInternetExplorerAction : public CLaunchAction {
 public:
  using CLaunchAction::CLaunchAction;

 private:
  void Open(SystemServices& system, std::string address) const override {
    std::replace(address.begin(), address.end(), '\\', '/');
    if (!system.Perform(request::OpenWebWindow{address})) {
      system.Perform(request::ShellOpen{platform::AsWrittenPath(path_)});
    }
  }
};

}  // namespace

std::unique_ptr<CScriptItem> MakeLaunchHtml(std::string section, CElement* parent) {
  return std::make_unique<CLaunchHtmlAction>(std::move(section), parent);
}
std::unique_ptr<CScriptItem> MakeLaunchInternetExplorer(std::string section, CElement* parent) {
  return std::make_unique<CLaunchInternetExplorerAction>(std::move(section), parent);
}

}  // namespace browser
