#pragma once

#include <string>

#include "browser/script/script_item.h"

namespace browser {

// "InternalCommand": "Exit" (exactly), or "ChangePage", "NextPage", "PrevPage" (any case)
// post a request to the window that shows the document, handled after the running script;
// "Minimize" (any case) minimises the window at once. Anything else does nothing. Always
// answers kContinue.
class CInternalCommandAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;
  bool Load(const CDataFile& file, LoadContext& context) override;
  ActionResult Execute(ScriptContext& context) override;

  const std::string& command() const { return command_; }
  const std::string& parameters() const { return parameters_; }

 private:
  std::string command_;
  std::string parameters_;
};

}  // namespace browser
