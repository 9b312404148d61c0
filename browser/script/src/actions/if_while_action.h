#pragma once

#include <optional>
#include <string>

#include "browser/script/event_budget.h"
#include "browser/script/script_item.h"

namespace platform {
class FileSystem;
}

namespace browser {

// "IF/WHILE Statement": answers whether the block up to its ELSE or ENDIF runs. The condition
// is either that a file matching "path" exists, or a comparison of a variable with a text
// constant or another variable. Files are looked for through the load context's (none: no
// file exists). Nothing loops.
class CIfWhileAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;
  bool Load(const CDataFile& file, LoadContext& context) override;
  ActionResult Execute(ScriptContext& context) override;

 private:
  platform::FileSystem* files_ = nullptr;
  bool has_path_ = false;
  std::string path_;
  std::string left_name_;
  std::string const_value_;
  std::string right_name_;
  int32_t operator_ = 0;
};

// True when a file or directory matches `pattern` ("\" and "/" both separate components;
// relative to the current directory). "*" and "?" are wildcards in the last component only,
// as in a directory search; in a folder's name they stand for themselves. Every name the
// search reads is charged to `budget` as an item: nothing when it is spent.
std::optional<bool> PathMatchExists(platform::FileSystem& files, const std::string& pattern,
                                    EventBudget& budget);

}  // namespace browser
