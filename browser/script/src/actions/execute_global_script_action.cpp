#include "execute_global_script_action.h"

#include "browser/script/key_reader.h"
#include "browser/script/scriptable_object.h"

namespace browser {

bool CExecuteGlobalScriptAction::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  read.Text(keys::kScriptName, script_name_);
  return CElement::Load(file, context);
}

ActionResult CExecuteGlobalScriptAction::Execute(ScriptContext& context) {
  if (context.main_page == nullptr) return ActionResult::kObjectMissing;
  context.main_page->RunScriptByName(script_name_, context);
  return ActionResult::kContinue;
}

}  // namespace browser
