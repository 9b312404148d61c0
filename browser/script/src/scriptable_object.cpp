#include "browser/script/scriptable_object.h"

#include "browser/script/key_reader.h"
#include "browser/script/script.h"
#include "browser/script/script_host.h"
#include "browser/script/script_item.h"
#include "browser/doc/section_names.h"
#include "browser/script/numbered_sections.h"

namespace browser {

CScriptableObject::CScriptableObject(std::string section, CElement* parent)
    : CElement(std::move(section), parent) {}

CScriptableObject::~CScriptableObject() = default;

bool CScriptableObject::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  bool moveable = false;
  if (read.Bool(keys::kMouseMoveable, moveable)) mouse_moveable_ = moveable ? 1 : 0;
  int32_t count = 0;
  read.Int(keys::kNumScripts, count);
  std::string prefix = ScriptSection(section_, 0);
  prefix.pop_back();  // "..._Script_"
  // All scripts are created first, then loaded in order.
  for (int n : ExistingNumberedSections(file, prefix, count)) {
    scripts_.push_back(std::make_unique<CScript>(ScriptSection(section_, n), this));
  }
  for (auto& script : scripts_) script->Load(file, context);
  return CElement::Load(file, context);
}

PropertyResult CScriptableObject::AccessProperty(std::string_view, platform::Variant&, bool) {
  return PropertyResult::kUnknown;
}

CScript* CScriptableObject::FindScript(std::string_view name) const {
  for (const auto& script : scripts_) {
    if (script->name() == name) return script.get();
  }
  return nullptr;
}

void CScriptableObject::RunScriptByName(std::string_view name, ScriptContext& context) {
  // Looking up is work of the running event too: a document may call a missing script of a
  // long list many times.
  if (context.depth > 0) context.budget.ChargeItems(static_cast<int64_t>(scripts_.size()));
  CScript* script = FindScript(name);
  if (context.host != nullptr) context.host->EventFired(name, section_, id_, script != nullptr);
  if (script == nullptr) return;
  if (context.depth == 0) context.event = std::string(name);
  script->Run(context);
}

PropertyResult CScriptableObject::PutExtendedProperty(std::string_view,
                                                      const platform::Variant&) {
  return PropertyResult::kUnknown;
}

PropertyResult CScriptableObject::GetExtendedProperty(std::string_view, platform::Variant&) {
  return PropertyResult::kUnknown;
}

}  // namespace browser
