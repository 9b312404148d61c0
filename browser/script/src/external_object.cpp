#include "browser/script/external_object.h"

#include "browser/doc/no_case.h"
#include "browser/script/script_host.h"
#include "browser/script/script_item.h"
#include "browser/script/scriptable_object.h"

namespace browser {

using platform::DispStatus;

DispStatus ExternalObject::GetIDsOfNames(std::string_view name, int32_t* id) {
  int32_t found = 0;
  if (EqualsNoCase(name, "ExecuteScript")) {
    found = kExecuteScript;
  } else if (EqualsNoCase(name, "close")) {
    found = kClose;
  } else {
    return DispStatus::kNotImplemented;
  }
  if (id != nullptr) *id = found;
  return DispStatus::kOk;
}

DispStatus ExternalObject::Invoke(int32_t id, const std::vector<platform::Variant>* arguments,
                                  uint32_t* argument_error) {
  if (arguments == nullptr) return DispStatus::kInvalidArgument;
  switch (id) {
    case kExecuteScript: {
      if (arguments->empty()) return DispStatus::kOk;
      const platform::Variant& name = arguments->front();
      if (!name.IsText()) {
        if (argument_error != nullptr) *argument_error = 0;
        return DispStatus::kTypeMismatch;
      }
      if (context_.main_page != nullptr) {
        context_.main_page->RunScriptByName(platform::TextToUtf8(name.TextValue()), context_);
      }
      return DispStatus::kOk;
    }
    case kClose:
      if (context_.host != nullptr) context_.host->PostRequest({PageRequest::Kind::kExit, {}});
      return DispStatus::kOk;
    default:
      return DispStatus::kMemberNotFound;
  }
}

}  // namespace browser
