#pragma once

#include <string>

#include "browser/script/script_item.h"

namespace browser {

// "DragFile": lets the user drag the file "path" out of the window (copy or link, never
// move). With "flag = registry" the path is the text value "registryValueName" of the user's
// key "registryKey", read when the document loads (empty when it cannot be read or does not
// fit 260 bytes). The path is used as written. Execute returns when the user has dropped or
// cancelled; a path of more than 259 bytes (what the shell's file list held) starts no drag
// and says so. Always answers kContinue.
class CDragAction : public CScriptItem {
 public:
  static constexpr size_t kMaxDragPath = 259;

  using CScriptItem::CScriptItem;
  ActionResult Execute(ScriptContext& context) override;

  const std::string& path() const { return path_; }

 private:
  bool ReadKeys(const KeyReader& read, LoadContext& context) override;

  std::string path_;
};

}  // namespace browser
