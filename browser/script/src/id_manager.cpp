#include "browser/script/id_manager.h"

namespace browser {

void CIdManager::Register(std::string_view id, CElement* object) {
  if (!id.empty()) first_.try_emplace(std::string(id), object);
}

CElement* CIdManager::Lookup(std::string_view id) const {
  // An empty id is never registered, so it finds nothing.
  const auto it = first_.find(id);
  return it == first_.end() ? nullptr : it->second;
}

}  // namespace browser
