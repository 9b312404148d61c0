#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "browser/doc/data_file.h"
#include "browser/script/id_manager.h"
#include "browser/script/script.h"
#include "browser/script/script_host.h"
#include "browser/script/script_item.h"
#include "browser/script/scriptable_object.h"
#include "browser/script/variables.h"

namespace browser::testing {

// A data file from text: one line per line, leading blanks removed (so tests can indent).
CDataFile ParseDocument(std::string_view text);

// Appends the sections of one script, its items written in a short notation:
//   "SET X"        SetVariable X = "ran" (scope 0)
//   "IF X"         IF/WHILE: X IsTrue
//   "ELSE", "ENDIF"
//   "CALL name"    ExecuteGlobalScript name
//   "STOP n"       an action answering n (SetVariable with scope 5 answers 10, ...):
//                  only 9, 10 and 11 are available
//   anything else  an item with that type name and no keys
void AddScript(CDataFile& file, const std::string& object_section, int number,
               const std::string& event, std::initializer_list<std::string> items);

// A store, an id registry and a context over them.
struct Fixture {
  CVariableStore variables;
  CIdManager ids;
  LoadContext load{ids};
  ScriptContext context{variables, ids};

  // "ran" markers set by "SET" items, in the order the variables were created.
  std::vector<std::string> Ran() const;
  // The variable's value as UTF-8 text, "<missing>" or "<no text>".
  std::string Text(std::string_view name);
};

// Runs `script` and answers what ended it, as the host heard it: the answer of the item
// that ended the run, kBudgetSpent when the event's budget did, kContinue when the run
// reached its end. The context's own host hears everything as usual.
ActionResult RunScript(CScript& script, ScriptContext& context);

// A host that records the events whose budget ended their runs, and how many items ran;
// with `keep_results`, also each item's type name and result.
struct BudgetRecorder : ScriptHost {
  void PostRequest(PageRequest) override {}
  void Minimize() override {}
  void ItemExecuted(const CScriptItem& item, ActionResult result) override;
  void BudgetSpent(std::string_view event) override { spent.emplace_back(event); }
  // Items of that type name that answered `result`.
  long Count(std::string_view name, ActionResult result) const;

  std::vector<std::string> spent;
  long items = 0;
  bool keep_results = false;
  std::vector<std::pair<std::string, ActionResult>> results;
};

// A document run the way the browser runs one: its bytes split into lines, the PreLoad
// scripts, then the main page and its first eight elements loaded and "OnLoad",
// "OnMouseIn", "OnMouseDown", "OnMouseUp" and "OnUnload" fired on each, inside a local frame.
class DocumentRun {
 public:
  explicit DocumentRun(std::string_view bytes);
  // Runs PreLoad and loads the objects; then each call of FireNext fires one event on one
  // object (false when all have been fired).
  void Load();
  bool FireNext();
  // Fires `event` on the main page.
  void FireOnPage(std::string_view event) { page_->RunScriptByName(event, context); }

  CVariableStore variables;
  CIdManager ids;
  BudgetRecorder host;
  ScriptContext context{variables, ids};

 private:
  CDataFile file_;
  LoadContext load_{ids};
  std::unique_ptr<CScriptableObject> page_;
  std::vector<std::unique_ptr<CScriptableObject>> elements_;
  size_t next_ = 0;
};

}  // namespace browser::testing
