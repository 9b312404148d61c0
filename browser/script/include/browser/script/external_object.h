#pragma once

#include "platform/controls.h"

namespace browser {

struct ScriptContext;

// The object each control host hands its control, through which the control (or a page it
// shows) reaches the browser. Names compare without regard to case:
//
//   "ExecuteScript" (id 1)  one text argument: runs the main page's script of that name and
//                           answers kOk; a first argument that is not a text answers
//                           kTypeMismatch with argument error 0; no argument: nothing, kOk
//   "close"         (id 2)  asks the window to close after the current event; kOk
//
// Any other name answers kNotImplemented, any other id kMemberNotFound, and a call without
// an argument structure kInvalidArgument. The object holds no state of its own.
class ExternalObject : public platform::ExternalDispatch {
 public:
  static constexpr int32_t kExecuteScript = 1;
  static constexpr int32_t kClose = 2;

  explicit ExternalObject(ScriptContext& context) : context_(context) {}

  platform::DispStatus GetIDsOfNames(std::string_view name, int32_t* id) override;
  platform::DispStatus Invoke(int32_t id, const std::vector<platform::Variant>* arguments,
                              uint32_t* argument_error) override;

 private:
  ScriptContext& context_;
};

}  // namespace browser
