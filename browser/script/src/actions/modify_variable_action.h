#pragma once

#include "browser/script/script_item.h"
#include "platform/variant.h"

namespace browser {

// "Modify Variable": changes an existing variable by another variable's value or a constant
// ("Equals", "Plus", "Minus", "Times", "Divide"). It never creates a variable.
class CModifyVariableAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;
  bool Load(const CDataFile& file, LoadContext& context) override;
  ActionResult Execute(ScriptContext& context) override;

 private:
  std::string main_op_;
  std::string target_var_;
  std::string src_var_;
  platform::Variant constant_ = platform::Variant::Text(u"");
};

// Applies an arithmetic operation in place on `target` by its type when `operand` has that
// type: 16- and 32-bit integers wrap, integer division truncates, floats use their own
// precision; "Plus" appends to a text. Division by zero, other types and other operations
// leave the target unchanged.
void ApplyArithmetic(std::string_view op, platform::Variant& target,
                     const platform::Variant& operand);

}  // namespace browser
