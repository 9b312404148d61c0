#pragma once

#include <memory>
#include <vector>

#include "browser/script/element.h"

namespace browser {

class CScriptItem;
struct ScriptContext;

// Nested runs beyond this depth (a script starting itself again, directly or through a chain
// of scripts) end at once instead of running, so recursion cannot exhaust the stack.
inline constexpr int kMaxScriptDepth = 64;
// Runs started from one outermost run, the outermost included: a script that starts itself
// twice would otherwise make 2^64 runs within the depth limit.
inline constexpr int kMaxRunsPerEvent = 10000;

// A named, ordered list of actions. The name is the event that starts it.
class CScript : public CElement {
 public:
  CScript(std::string section, CElement* parent);
  ~CScript() override;

  // Reads "numScriptItems", creates item i from section "<Section>_ScriptItem_i" by its
  // "name" through the action factory (unknown names make no item), loads the items in
  // order, then reads the keys of CElement (the script's "name" is its event name).
  bool Load(const CDataFile& file, LoadContext& context) override;

  // Interprets the items with IF/ELSE/ENDIF skipping. The run ends at the end of the items,
  // at an item that answers anything but kContinue or a condition's result, when the
  // event's budget is spent, or at once beyond the depth and run limits. The host hears each
  // item's result and the spent budget; the caller is told nothing.
  void Run(ScriptContext& context);

  const std::vector<std::unique_ptr<CScriptItem>>& items() const { return items_; }

 private:
  std::vector<std::unique_ptr<CScriptItem>> items_;
};

}  // namespace browser
