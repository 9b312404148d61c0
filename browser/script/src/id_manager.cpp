#include "browser/script/id_manager.h"

namespace browser {

void CIdManager::Register(std::string_view id, CElement* object) {
  if (!id.empty()) entries_.emplace_back(std::string(id), object);
}

CElement* CIdManager::Lookup(std::string_view id) const {
  // An empty id would match only the reserved empty entry, which names no object.
  if (id.empty()) return nullptr;
  for (const auto& [entry_id, object] : entries_) {
    if (entry_id == id) return object;
  }
  return nullptr;
}

}  // namespace browser
