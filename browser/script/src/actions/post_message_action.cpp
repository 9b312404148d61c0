// "PostMessage": posts "Message" with "Wparam" and "Lparam" to the top-level windows of class
// "WindowClass", or to all top-level windows when there is none. "Message" and "Wparam" are
// decimal ("0x400" reads as 0), "Lparam" is C notation ("0x400" is 1024). Always answers
// kContinue: the post is not checked.
#include "browser/script/key_reader.h"
#include "browser/script/script_item.h"
#include "browser/script/system_services.h"

namespace browser {
namespace {

class CPostMessageAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;

  ActionResult Execute(ScriptContext& context) override {
    Perform(context.system, request::PostWindowMessage{window_class_, message_, wparam_, lparam_});
    return ActionResult::kContinue;
  }

 private:
  bool ReadKeys(const KeyReader& read, LoadContext&) override {
    read.Text(keys::kWindowClass, window_class_);
    read.Int(keys::kMessage, message_);
    read.Int(keys::kWparam, wparam_);
    read.Long(keys::kLparam, lparam_);
    return true;
  }

  std::string window_class_;
  int32_t message_ = 0;
  int32_t wparam_ = 0;
  int32_t lparam_ = 0;
};

}  // namespace

std::unique_ptr<CScriptItem> MakePostMessage(std::string section, CElement* parent) {
  return std::make_unique<CPostMessageAction>(std::move(section), parent);
}

}  // namespace browser
