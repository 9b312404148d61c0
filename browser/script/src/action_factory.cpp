// The action factory: the vocabulary's row for an item's type name (compared exactly) holds
// the maker of its action.
#include "browser/script/script_item.h"
#include "browser/script/vocabulary.h"

namespace browser {

std::unique_ptr<CScriptItem> CreateScriptItem(std::string_view type_name, std::string section,
                                              CElement* parent) {
  const ActionVocabulary* action = FindAction(type_name);
  if (action == nullptr) return nullptr;
  return action->make(std::move(section), parent);
}

}  // namespace browser
