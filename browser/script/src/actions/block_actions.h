#pragma once

#include "browser/script/script_item.h"

namespace browser {

// "ELSE Statement" and "ENDIF Statement" mark blocks for the run loop; executed, they do
// nothing (an ENDIF without an open block is harmless).
class CElseAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;
  ActionResult Execute(ScriptContext&) override { return ActionResult::kContinue; }
};

class CEndIfAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;
  ActionResult Execute(ScriptContext&) override { return ActionResult::kContinue; }
};

}  // namespace browser
