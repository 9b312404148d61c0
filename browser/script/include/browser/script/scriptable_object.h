#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "browser/script/element.h"
#include "platform/variant.h"

namespace browser {

class CScript;
struct ScriptContext;

// Answers of AccessProperty and of the extended property calls.
enum class PropertyResult : int {
  kOk = 0,
  kUnknown = 1,
  kFailed = 3,
  kWrongType = 6,
};

// Base of every object that has scripts and properties. It owns its scripts; an event names
// a script and the object runs the first script with that name.
class CScriptableObject : public CElement {
 public:
  CScriptableObject(std::string section, CElement* parent);
  ~CScriptableObject() override;

  // Reads "mouseMoveable" (only when present) and "numScripts", creates and loads the
  // scripts, then the keys of CElement. Script i lives in "Script_i" when Section is exactly
  // "Main", otherwise in "<Section>_Script_i".
  bool Load(const CDataFile& file, LoadContext& context) override;

  // put = true stores `value` into the named property, put = false reads the property into
  // it. Classes answer kOk, kFailed or kWrongType for the names they know and hand every
  // other name to the extended property calls; the base knows none (kUnknown).
  virtual PropertyResult AccessProperty(std::string_view name, platform::Variant& value,
                                        bool put);
  // Re-layout and repaint after a property changed.
  virtual void Refresh() {}
  // Runs the first script whose name equals `name` exactly; nothing when none does. The
  // context's host is told of the event either way.
  virtual void RunScriptByName(std::string_view name, ScriptContext& context);
  // kUnknown (failure) unless a hosted control has the property.
  virtual PropertyResult PutExtendedProperty(std::string_view name,
                                             const platform::Variant& value);
  virtual PropertyResult GetExtendedProperty(std::string_view name, platform::Variant& value);
  // The first script whose name equals `name` exactly, or nullptr.
  CScript* FindScript(std::string_view name) const;

  const std::vector<std::unique_ptr<CScript>>& scripts() const { return scripts_; }

 protected:
  std::vector<std::unique_ptr<CScript>> scripts_;
};

}  // namespace browser
