#include "path_actions.h"

#include "browser/script/system_services.h"
#include "platform/paths.h"

namespace browser {

bool CPathAction::Load(const CDataFile& file, LoadContext& context) {
  file.ReadString(section_, "path", path_);
  return CElement::Load(file, context);
}

ActionResult CShellExecuteAction::Execute(ScriptContext& context) {
  Perform(context.system, request::ShellOpen{platform::AsWrittenPath(path_)});
  return ActionResult::kContinue;
}

ActionResult COpenFolderAction::Execute(ScriptContext& context) {
  Perform(context.system, request::OpenFolder{context.paths.Resolve(path_)});
  return ActionResult::kContinue;
}

ActionResult CPlaySoundAction::Execute(ScriptContext& context) {
  Perform(context.system, request::PlaySound{context.paths.Resolve(path_)});
  return ActionResult::kContinue;
}

}  // namespace browser
