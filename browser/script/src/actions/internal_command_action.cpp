// "InternalCommand": "Exit" (exactly), or "ChangePage", "NextPage", "PrevPage" (any case)
// post a request to the window that shows the document, handled after the running script;
// "Minimize" (any case) minimises the window at once. Anything else does nothing. Always
// answers kContinue.
#include "browser/doc/no_case.h"
#include "browser/script/key_reader.h"
#include "browser/script/script_host.h"
#include "browser/script/script_item.h"
#include "browser/script/system_services.h"

namespace browser {
namespace {

class CInternalCommandAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;

  ActionResult Execute(ScriptContext& context) override {
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

 private:
  bool ReadKeys(const KeyReader& read, LoadContext&) override {
    read.Text(keys::kCommand, command_);
    read.Text(keys::kParameters, parameters_);
    return true;
  }

  std::string command_;
  std::string parameters_;
};

}  // namespace

std::unique_ptr<CScriptItem> MakeInternalCommand(std::string section, CElement* parent) {
  return std::make_unique<CInternalCommandAction>(std::move(section), parent);
}

}  // namespace browser
