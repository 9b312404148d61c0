#include "internal_command_action.h"

#include "browser/doc/no_case.h"
#include "browser/script/key_reader.h"
#include "browser/script/script_host.h"
#include "browser/script/system_services.h"

namespace browser {

bool CInternalCommandAction::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  read.Text(keys::kCommand, command_);
  read.Text(keys::kParameters, parameters_);
  return CElement::Load(file, context);
}

ActionResult CInternalCommandAction::Execute(ScriptContext& context) {
  Perform(context.system, request::Report{"command: " + command_ + " " + parameters_});
  ScriptHost* host = context.host;
  if (host == nullptr) return ActionResult::kContinue;
  // "Exit" alone is compared exactly.
  if (command_ == "Exit") {
    host->PostRequest({PageRequest::Kind::kExit, {}});
  } else if (EqualsNoCase(command_, "ChangePage")) {
    // The request carries its own copy of the name.
    host->PostRequest({PageRequest::Kind::kOpenDocument, parameters_});
  } else if (EqualsNoCase(command_, "NextPage")) {
    host->PostRequest({PageRequest::Kind::kNextDocument, {}});
  } else if (EqualsNoCase(command_, "PrevPage")) {
    host->PostRequest({PageRequest::Kind::kPreviousDocument, {}});
  } else if (EqualsNoCase(command_, "Minimize")) {
    host->Minimize();
  }
  return ActionResult::kContinue;
}

}  // namespace browser
