#pragma once

#include <memory>
#include <string>
#include <vector>

#include "browser/script/script_item.h"

namespace browser {

// One argument of a CallActiveXMethod, in its own section "<action>_Param_n": the variable
// "varName" when it exists, else the text "constValue". "valueType" is read and kept; the
// call does not use it.
class CActiveXMethodParameter : public CElement {
 public:
  using CElement::CElement;
  bool Load(const CDataFile& file, LoadContext& context) override;

  const std::string& const_value() const { return const_value_; }
  const std::string& var_name() const { return var_name_; }
  uint16_t value_type() const { return value_type_; }

 private:
  std::string const_value_;
  std::string var_name_;
  uint16_t value_type_ = 0;
};

// "CallActiveXMethod": calls "method" of the control element "controlId" with its
// "numParameters" parameters, the parameter of section _Param_0 first; a parameter whose
// section is missing passes an empty text. A parameter's variable that holds a
// text passes that text with its references expanded; any other value passes unchanged; a
// parameter without a variable passes "constValue" as text, not expanded. Unless
// "returnType" is 24 (no result), the result is converted to the current type of the
// existing variable "retVariable" and stored there; a failed call or conversion, or a
// missing variable, changes nothing (the variable is never created). An absent
// "returnType" asks for the result.
//
// Answers kObjectMissing when "controlId" names no control element, kContinue otherwise.
class CCallActiveXMethodAction : public CScriptItem {
 public:
  static constexpr uint16_t kNoResult = 24;  // VT_VOID

  using CScriptItem::CScriptItem;
  ~CCallActiveXMethodAction() override;
  ActionResult Execute(ScriptContext& context) override;

  const std::vector<std::unique_ptr<CActiveXMethodParameter>>& parameters() const {
    return parameters_;
  }

 private:
  // Reads "controlId", "method", "returnType", "retVariable" and "numParameters", creates
  // the parameters and loads them in order. Parameters past the last section the file has
  // are not made (they would be empty): a hostile count costs nothing until the call, where
  // every argument is charged to the event's budget.
  bool ReadKeys(const KeyReader& read, LoadContext& context) override;

  std::string control_id_;
  std::string method_;
  uint16_t return_type_ = 0;
  std::string ret_variable_;
  int32_t count_ = 0;  // "numParameters", at least 0
  std::vector<std::unique_ptr<CActiveXMethodParameter>> parameters_;
};

}  // namespace browser
