#include "browser/script/script.h"

#include "browser/script/key_reader.h"
#include "browser/script/script_item.h"
#include "browser/doc/section_names.h"
#include "browser/script/numbered_sections.h"

namespace browser {

CScript::CScript(std::string section, CElement* parent) : CElement(std::move(section), parent) {}

CScript::~CScript() = default;

bool CScript::Load(const CDataFile& file, LoadContext& context) {
  int32_t count = 0;
  KeyReader(file, section_, context).Int(keys::kNumScriptItems, count);
  std::string prefix = ScriptItemSection(section_, 0);
  prefix.pop_back();  // "..._ScriptItem_"
  // All items are created first, then loaded in order; an item section that is missing has
  // no type name, so like an unknown one it makes no item.
  for (int n : ExistingNumberedSections(file, prefix, count)) {
    std::string section = ScriptItemSection(section_, n);
    std::string type_name;
    KeyReader(file, section, context).Text(keys::kName, type_name);
    if (auto item = CreateScriptItem(type_name, std::move(section), this)) {
      items_.push_back(std::move(item));
    }
  }
  for (auto& item : items_) item->Load(file, context);
  return CElement::Load(file, context);
}

}  // namespace browser
