#include "post_message_action.h"

#include "browser/script/key_reader.h"
#include "browser/script/system_services.h"

namespace browser {

bool CPostMessageAction::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  read.Text(keys::kWindowClass, window_class_);
  read.Int(keys::kMessage, message_);
  read.Int(keys::kWparam, wparam_);
  read.Long(keys::kLparam, lparam_);
  return CElement::Load(file, context);
}

ActionResult CPostMessageAction::Execute(ScriptContext& context) {
  Perform(context.system, request::PostWindowMessage{window_class_, message_, wparam_, lparam_});
  return ActionResult::kContinue;
}

}  // namespace browser
