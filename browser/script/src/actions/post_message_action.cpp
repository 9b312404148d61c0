#include "post_message_action.h"

#include "browser/script/system_services.h"

namespace browser {

bool CPostMessageAction::Load(const CDataFile& file, LoadContext& context) {
  file.ReadString(section_, "WindowClass", window_class_);
  file.ReadInt(section_, "Message", message_);
  file.ReadInt(section_, "Wparam", wparam_);
  file.ReadLong(section_, "Lparam", lparam_);
  return CElement::Load(file, context);
}

ActionResult CPostMessageAction::Execute(ScriptContext& context) {
  Perform(context.system, request::PostWindowMessage{window_class_, message_, wparam_, lparam_});
  return ActionResult::kContinue;
}

}  // namespace browser
