// The actions of one key, "path", handed to the machine. Each answers kContinue whatever the
// machine makes of it.
#include "browser/script/key_reader.h"
#include "browser/script/script_item.h"
#include "browser/script/system_services.h"
#include "platform/paths.h"

namespace browser {
namespace {

// Reads "path"; each action below hands it to the machine its own way.
class CPathAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;

 protected:
  bool ReadKeys(const KeyReader& read, LoadContext&) override {
    read.Text(keys::kPath, path_);
    return true;
  }

  std::string path_;
};

// "ShellExecute": opens "path" as written, not resolved: a relative name is relative to the
// program's current directory.
class CShellExecuteAction : public CPathAction {
 public:
  using CPathAction::CPathAction;
  ActionResult Execute(ScriptContext& context) override {
    Perform(context.system, request::ShellOpen{platform::AsWrittenPath(path_)});
    return ActionResult::kContinue;
  }
};

// "OpenFolder": opens the resolved "path".
class COpenFolderAction : public CPathAction {
 public:
  using CPathAction::CPathAction;
  ActionResult Execute(ScriptContext& context) override {
    Perform(context.system, request::OpenFolder{context.paths.Resolve(path_)});
    return ActionResult::kContinue;
  }
};

// "PlaySound": starts the wave file at the resolved "path" and goes on at once.
class CPlaySoundAction : public CPathAction {
 public:
  using CPathAction::CPathAction;
  ActionResult Execute(ScriptContext& context) override {
    Perform(context.system, request::PlaySound{context.paths.Resolve(path_)});
    return ActionResult::kContinue;
  }
};

}  // namespace

std::unique_ptr<CScriptItem> MakeShellExecute(std::string section, CElement* parent) {
  return std::make_unique<CShellExecuteAction>(std::move(section), parent);
}
std::unique_ptr<CScriptItem> MakeOpenFolder(std::string section, CElement* parent) {
  return std::make_unique<COpenFolderAction>(std::move(section), parent);
}
std::unique_ptr<CScriptItem> MakePlaySound(std::string section, CElement* parent) {
  return std::make_unique<CPlaySoundAction>(std::move(section), parent);
}

}  // namespace browser
