#pragma once

#include <cstdint>
#include <string>

#include "browser/script/script_item.h"

namespace browser {

// "PostMessage": posts "Message" with "Wparam" and "Lparam" to the top-level windows of class
// "WindowClass", or to all top-level windows when there is none. "Message" and "Wparam" are
// decimal ("0x400" reads as 0), "Lparam" is C notation ("0x400" is 1024). Always answers
// kContinue: the post is not checked.
class CPostMessageAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;
  bool Load(const CDataFile& file, LoadContext& context) override;
  ActionResult Execute(ScriptContext& context) override;

 private:
  std::string window_class_;
  int32_t message_ = 0;
  int32_t wparam_ = 0;
  int32_t lparam_ = 0;
};

}  // namespace browser
