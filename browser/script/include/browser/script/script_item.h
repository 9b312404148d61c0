#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "browser/script/element.h"
#include "browser/script/event_budget.h"
#include "browser/script/load_context.h"

namespace browser {

class CIdManager;
class CScriptableObject;
class CVariableStore;

class ScriptHost;
class SystemServices;

// What a running script reaches: the variables, the id registry, the document's main page,
// the paths of the document and the host that shows it.
struct ScriptContext {
  ScriptContext(CVariableStore& variables_in, CIdManager& ids_in)
      : variables(variables_in), ids(ids_in) {}

  CVariableStore& variables;
  CIdManager& ids;
  CScriptableObject* main_page = nullptr;  // none before a document is loaded
  ScriptHost* host = nullptr;              // none: requests and traces go nowhere
  SystemServices* system = nullptr;        // none: system actions do nothing
  DocumentPaths paths;
  int depth = 0;  // script runs in progress
  int runs = 0;   // runs started since the outermost one began
  // The event whose runs are in progress (the outermost one's name) and what is left of its
  // budget; both are set when the outermost run starts.
  std::string event;
  EventBudget budget;
};

// Result codes of CScriptItem::Execute, the script layer's one way of telling what an action
// made of its work, with the original values. Every code but kContinue and
// the conditions' two ends the run; the host hears each (ScriptHost::ItemExecuted).
// kBudgetSpent is an action's answer when its work does not fit in the event's budget or its
// result in the variables' memory: the action changed nothing, and every run of the event
// ends, as a run beyond the depth limit does.
enum class ActionResult : int {
  kContinue = 0,
  kConditionTrue = 1,
  kConditionFalse = 2,
  kEndRun = 3,
  kObjectMissing = 6,
  kPropertyError = 7,
  kNoLocalScope = 9,
  kUnknownScope = 10,
  kVariableError = 11,
  kBudgetSpent = 12,
};

// Action type names the run loop (and lint, checking the blocks) recognises by name.
inline constexpr std::string_view kIfName = "IF/WHILE Statement";
inline constexpr std::string_view kElseName = "ELSE Statement";
inline constexpr std::string_view kEndIfName = "ENDIF Statement";

class KeyReader;

// One step of a script. Load reads the action's own keys (ReadKeys) and then the keys of
// CElement; Execute does the work and answers a result code.
class CScriptItem : public CElement {
 public:
  using CElement::CElement;
  bool Load(const CDataFile& file, LoadContext& context) final;
  virtual ActionResult Execute(ScriptContext& context) = 0;

 protected:
  // Reads the action's own keys from its section; false drops the item. By default there are
  // none.
  virtual bool ReadKeys(const KeyReader& read, LoadContext& context);
};

// Creates the action for an item section's type name, compared exactly and case-sensitively;
// nullptr for a name that creates no action (the item is then dropped).
std::unique_ptr<CScriptItem> CreateScriptItem(std::string_view type_name, std::string section,
                                              CElement* parent);

}  // namespace browser
