#pragma once

#include <string>
#include <string_view>

namespace browser {

class CScriptItem;
enum class ActionResult : int;

// A request a script posts to the window that shows the document. Requests are handled after
// the running script and the event that started it have returned.
struct PageRequest {
  enum class Kind {
    kOpenDocument,
    kNextDocument,
    kPreviousDocument,
    kExit,
    kReload,
    kStartupLoad,  // the start-up document again, as another program may ask
  };
  Kind kind;
  std::string document;  // kOpenDocument: the name of the document to open (its own copy)
};

// What running scripts reach outside the document: the window that shows it and the
// machine's services. The program implements it; tests record what was asked.
class ScriptHost {
 public:
  virtual ~ScriptHost() = default;

  virtual void PostRequest(PageRequest request) = 0;
  // Minimises the window at once.
  virtual void Minimize() = 0;

  // Told after every executed script item, and whenever an event is fired on an object
  // (its section and id, "" when it has none, and whether it had a script of that name); for
  // authors' traces.
  virtual void ItemExecuted(const CScriptItem& /*item*/, ActionResult /*result*/) {}
  virtual void EventFired(std::string_view /*event*/, std::string_view /*section*/,
                          std::string_view /*id*/, bool /*ran*/) {}
  // Told once when an event's budget (or the variables' memory) ended its runs, with the
  // event's name: the outermost event, whichever nested script spent the budget.
  virtual void BudgetSpent(std::string_view /*event*/) {}
};

}  // namespace browser
