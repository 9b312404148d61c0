#pragma once

#include <string>

#include "browser/script/script_item.h"

namespace browser {

// The actions that open a web address: the text of the variable "variableName" when it
// holds one, else "path", with the variables' references expanded.
class CLaunchAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;
  bool Load(const CDataFile& file, LoadContext& context) override;

 protected:
  std::string Address(ScriptContext& context) const;

  std::string variable_name_;
  std::string path_;
};

// "LaunchHtml": opens the address in the user's browser. Always answers kContinue.
class CLaunchHtmlAction : public CLaunchAction {
 public:
  using CLaunchAction::CLaunchAction;
  ActionResult Execute(ScriptContext& context) override;
};

// "LaunchInternetExplorer": opens the address, every backslash turned into a slash, in the
// program's small browser window; without one, opens "path" as written through the shell.
// Always answers kContinue.
class CLaunchInternetExplorerAction : public CLaunchAction {
 public:
  using CLaunchAction::CLaunchAction;
  ActionResult Execute(ScriptContext& context) override;
};

}  // namespace browser
