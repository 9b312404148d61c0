#pragma once

#include "browser/script/script_item.h"

namespace browser {

// "ExecuteGlobalScript": runs the main page's script named "scriptName" to its end before the
// calling script goes on. Answers 6 when there is no main page.
class CExecuteGlobalScriptAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;
  bool Load(const CDataFile& file, LoadContext& context) override;
  ActionResult Execute(ScriptContext& context) override;

 private:
  std::string script_name_;
};

}  // namespace browser
