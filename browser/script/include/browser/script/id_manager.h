#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

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
  void Clear() { first_.clear(); }

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  // Only the first object of each id can ever be found, so only it is kept: looking up costs
  // the same however many ids a document registers.
  std::unordered_map<std::string, CElement*, Hash, std::equal_to<>> first_;
};

}  // namespace browser
