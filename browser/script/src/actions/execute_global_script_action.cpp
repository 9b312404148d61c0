// "ExecuteGlobalScript": runs the main page's script named "scriptName" to its end before the
// calling script goes on. Answers kObjectMissing when there is no main page.
#include "browser/script/key_reader.h"
#include "browser/script/script_item.h"
#include "browser/script/scriptable_object.h"

namespace browser {
namespace {

class CExecuteGlobalScriptAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;

  ActionResult Execute(ScriptContext& context) override {
    if (context.main_page == nullptr) return ActionResult::kObjectMissing;
    context.main_page->RunScriptByName(script_name_, context);
    return ActionResult::kContinue;
  }

 private:
  bool ReadKeys(const KeyReader& read, LoadContext&) override {
    read.Text(keys::kScriptName, script_name_);
    return true;
  }

  std::string script_name_;
};

}  // namespace

std::unique_ptr<CScriptItem> MakeExecuteGlobalScript(std::string section, CElement* parent) {
  return std::make_unique<CExecuteGlobalScriptAction>(std::move(section), parent);
}

}  // namespace browser
