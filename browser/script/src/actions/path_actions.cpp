#include "path_actions.h"

#include "browser/script/key_reader.h"
#include "browser/script/system_services.h"
#include "platform/paths.h"

namespace browser {

bool CPathAction::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  read.Text(keys::kPath, path_);
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
