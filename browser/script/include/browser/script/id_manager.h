#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace browser {

class CElement;

// Finds objects by their "id" key for the actions that address them. Entries live until
// Clear (the document's pages are torn down), so ids are valid for one loaded document.
class CIdManager {
 public:
  // Appends the pair when `id` is not empty; a repeated id is appended again.
  void Register(std::string_view id, CElement* object);
  // The object of the first pair whose id equals `id` byte for byte: with duplicates the
  // first registered object wins, and an empty id finds nothing.
  CElement* Lookup(std::string_view id) const;
  void Clear() { entries_.clear(); }

 private:
  std::vector<std::pair<std::string, CElement*>> entries_;
};

}  // namespace browser
