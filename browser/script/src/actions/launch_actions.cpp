#include "launch_actions.h"

#include <algorithm>

#include "browser/script/key_reader.h"
#include "browser/script/system_services.h"
#include "browser/script/variables.h"
#include "platform/paths.h"

namespace browser {

bool CLaunchAction::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  read.Text(keys::kVariableName, variable_name_);
  read.Text(keys::kPath, path_);
  return CElement::Load(file, context);
}

std::string CLaunchAction::Address(ScriptContext& context) const {
  std::u16string address;
  const Variable* v =
      variable_name_.empty() ? nullptr : context.variables.FindVariable(variable_name_);
  if (v != nullptr && v->value.IsText()) {
    address = v->value.TextValue();
  } else {
    address = platform::Utf8ToText(path_);
  }
  // An address that does not fit in the event's budget is empty, and the budget is spent.
  std::optional<std::u16string> expanded =
      ExpandReferences(context.variables, address, context.budget);
  return expanded ? platform::TextToUtf8(*expanded) : std::string();
}

ActionResult CLaunchHtmlAction::Execute(ScriptContext& context) {
  if (context.system == nullptr) return ActionResult::kContinue;
  std::string address = Address(context);
  if (context.budget.spent()) return ActionResult::kBudgetSpent;
  context.system->Perform(request::OpenAddress{platform::AsWrittenPath(address)});
  return ActionResult::kContinue;
}

ActionResult CLaunchInternetExplorerAction::Execute(ScriptContext& context) {
  if (context.system == nullptr) return ActionResult::kContinue;
  std::string address = Address(context);
  if (context.budget.spent()) return ActionResult::kBudgetSpent;
  std::replace(address.begin(), address.end(), '\\', '/');
  if (!context.system->Perform(request::OpenWebWindow{address})) {
    context.system->Perform(request::ShellOpen{platform::AsWrittenPath(path_)});
  }
  return ActionResult::kContinue;
}

}  // namespace browser
