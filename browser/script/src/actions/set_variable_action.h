#pragma once

#include "browser/script/script_item.h"
#include "platform/variant.h"

namespace browser {

// "SetVariable" and "Create Variable": stores a value (from the document, or read from the
// user's registry when the document loads) into a variable of a scope, creating it.
class CSetVariableAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;
  bool Load(const CDataFile& file, LoadContext& context) override;
  ActionResult Execute(ScriptContext& context) override;

 private:
  std::string var_name_;
  int32_t scope_ = 0;
  uint16_t value_type_ = platform::VT_BSTR;
  std::string flag_;
  std::string registry_key_;
  std::string registry_value_name_;
  platform::Variant value_;
};

}  // namespace browser
