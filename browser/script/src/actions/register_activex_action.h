#pragma once

#include <string>

#include "browser/script/script_item.h"
#include "browser/script/system_services.h"

namespace browser {

// "RegisterActiveX": registers (or with "Unregister" unregisters) the control file
// "Filename": a server program when its name holds ".exe", a control library otherwise.
// With "CopyToSystem" and not "Unregister", the file is first copied into the system
// directory and the copy is registered; with both, the copy already in the system directory
// is unregistered and nothing is copied. Answers kObjectMissing when any step fails (an empty
// "Filename" always does), kContinue otherwise.
class CRegisterActiveXAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;
  ActionResult Execute(ScriptContext& context) override;

  // What Execute asks the machine to do (meaningful after a Load that found a file name).
  const request::RegisterControl& control() const { return control_; }

 private:
  bool ReadKeys(const KeyReader& read, LoadContext& context) override;

  std::string filename_;
  request::RegisterControl control_;
};

}  // namespace browser
