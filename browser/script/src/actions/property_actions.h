#pragma once

#include <vector>

#include "browser/script/script_item.h"
#include "platform/variant.h"

namespace browser {

// "GetProperty": reads a property of the object "controlId" into a variable of a scope,
// creating the variable. Element classes read a known property only into a variable that
// already holds the property's type.
class CGetPropertyAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;
  bool Load(const CDataFile& file, LoadContext& context) override;
  ActionResult Execute(ScriptContext& context) override;

 private:
  std::string control_id_;
  std::string property_;
  std::string variable_name_;
  int32_t scope_ = 0;
};

// "SetProperty": puts one or more properties of the object "controlId", each from a variable
// or a constant. With a "multi" key the assignments come from the sections
// "<section>_Property_0", "_1", ... up to the first without "property".
class CSetPropertyAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;
  bool Load(const CDataFile& file, LoadContext& context) override;
  ActionResult Execute(ScriptContext& context) override;

  struct Assignment {
    std::string property;
    std::string variable_name;
    uint16_t value_type = platform::VT_BSTR;
    platform::Variant value;
  };
  const std::vector<Assignment>& assignments() const { return assignments_; }

 private:
  std::string control_id_;
  std::vector<Assignment> assignments_;
};

}  // namespace browser
