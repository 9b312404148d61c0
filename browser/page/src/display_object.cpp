#include "browser/page/display_object.h"

namespace browser {

PageHost* CDisplayObject::host() const {
  for (const CElement* e = this; e != nullptr; e = e->parent()) {
    const auto* display = dynamic_cast<const CDisplayObject*>(e);
    if (display == nullptr) continue;
    if (PageHost* h = display->OwnHost()) return h;
  }
  return nullptr;
}

}  // namespace browser
