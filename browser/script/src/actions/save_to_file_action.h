#pragma once

#include <string>

#include "browser/script/script_item.h"

namespace platform {
class FileSystem;
}

namespace browser {

// "SaveToFile": keeps one value in a small data file of the single section "VTRL Archive":
// the value of the variable "variable" (when it exists), or the text "value" when no
// variable is named, under the key "key". The file is read, changed and written again as a
// whole even when nothing was changed. With "useTemDir" the file is "path" + ".kps" in the
// temporary directory; otherwise "path" as written. The file is read through the load
// context's files (none: it reads as missing). Always answers kContinue.
class CSaveToFileAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;
  bool Load(const CDataFile& file, LoadContext& context) override;
  ActionResult Execute(ScriptContext& context) override;

  const std::string& path() const { return path_; }

 private:
  platform::FileSystem* files_ = nullptr;
  bool use_tem_dir_ = false;
  std::string path_;
  std::string key_;
  std::string variable_;
  std::string value_;
};

}  // namespace browser
