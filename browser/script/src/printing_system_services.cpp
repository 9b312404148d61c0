#include "browser/script/printing_system_services.h"

namespace browser {

bool PrintingSystemServices::Perform(const SystemRequest& request) {
  if (std::holds_alternative<request::DragFile>(request)) return false;
  if (const auto* control = std::get_if<request::RegisterControl>(&request)) {
    // Only reads: the source of a copy must be there for the registration to go on.
    if (!control->copy_from.empty() && file_exists_ && !file_exists_(control->copy_from)) {
      return false;
    }
  }
  sink_(Line(request));
  return true;
}

bool EchoingSystemServices::Perform(const SystemRequest& request) {
  if (std::holds_alternative<request::OpenWebWindow>(request)) {
    const bool opened = inner_.Perform(request);
    if (opened) sink_(Line(request));
    return opened;
  }
  sink_(Line(request));
  return inner_.Perform(request);
}

}  // namespace browser
