#pragma once

#include <string>

#include "browser/script/script_item.h"

namespace browser {

// The actions of one key, "path", handed to the machine. Each answers kContinue whatever the
// machine makes of it.
class CPathAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;
  bool Load(const CDataFile& file, LoadContext& context) override;

  const std::string& path() const { return path_; }

 protected:
  std::string path_;
};

// "ShellExecute": opens "path" as written, not resolved: a relative name is relative to the
// program's current directory.
class CShellExecuteAction : public CPathAction {
 public:
  using CPathAction::CPathAction;
  ActionResult Execute(ScriptContext& context) override;
};

// "OpenFolder": opens the resolved "path".
class COpenFolderAction : public CPathAction {
 public:
  using CPathAction::CPathAction;
  ActionResult Execute(ScriptContext& context) override;
};

// "PlaySound": starts the wave file at the resolved "path" and goes on at once.
class CPlaySoundAction : public CPathAction {
 public:
  using CPathAction::CPathAction;
  ActionResult Execute(ScriptContext& context) override;
};

}  // namespace browser
