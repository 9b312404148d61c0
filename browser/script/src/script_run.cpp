// The run loop: items execute in order; a false condition skips to its ELSE or ENDIF, and an
// ELSE reached in the normal flow skips its alternative. Nothing ever goes backwards.
#include "browser/script/script.h"
#include "browser/script/script_host.h"
#include "browser/script/script_item.h"

namespace browser {
namespace {

using Items = std::vector<std::unique_ptr<CScriptItem>>;

// Counts the run for the duration of its scope. The outermost run of an event starts its
// counts and its budget afresh, and tells the host when the budget ended the event.
class RunDepth {
 public:
  explicit RunDepth(ScriptContext& context) : context_(context) {
    if (context_.depth == 0) {
      context_.runs = 0;
      context_.budget = EventBudget();
    }
    ++context_.depth;
    ++context_.runs;
  }
  ~RunDepth() {
    --context_.depth;
    if (context_.depth == 0 && context_.budget.spent() && context_.host != nullptr) {
      context_.host->BudgetSpent(context_.event);
    }
  }
  bool Allowed() const {
    return context_.depth <= kMaxScriptDepth && context_.runs <= kMaxRunsPerEvent &&
           !context_.budget.spent();
  }

 private:
  ScriptContext& context_;
};

// From an ELSE reached in the normal flow: the index after the ENDIF that closes it, or the
// end of the list.
size_t SkipAlternative(const Items& items, size_t cursor) {
  int level = 1;
  size_t i = cursor;
  while (i < items.size()) {
    const std::string& name = items[i]->name();
    if (name == kIfName) {
      ++level;
    } else if (name == kEndIfName) {
      --level;
    }
    ++i;
    if (level == 0) break;
  }
  return i;
}

// From an IF whose condition is false: the index after its own ELSE (the alternative runs)
// or after its ENDIF; the end of the list when neither follows.
size_t SkipBlock(const Items& items, size_t cursor) {
  int level = 1;
  size_t i = cursor;
  while (i + 1 < items.size()) {
    ++i;
    const std::string& name = items[i]->name();
    if (name == kIfName) {
      ++level;
    } else if (name == kEndIfName) {
      --level;
    } else if (name == kElseName && level == 1) {
      --level;
    }
    if (level == 0) break;
  }
  return i + 1;
}

}  // namespace

void CScript::Run(ScriptContext& context) {
  RunDepth depth(context);
  if (!depth.Allowed()) return;
  EventBudget& budget = context.budget;
  size_t cursor = 0;
  while (cursor < items_.size()) {
    if (items_[cursor]->name() == kElseName) {
      const size_t from = cursor;
      cursor = SkipAlternative(items_, cursor);
      if (!budget.ChargeItems(static_cast<int64_t>(cursor - from))) return;
      if (cursor >= items_.size()) return;
    }
    if (!budget.ChargeItems(1)) return;
    const ActionResult result = items_[cursor]->Execute(context);
    if (context.host != nullptr) context.host->ItemExecuted(*items_[cursor], result);
    // A nested run that spent the budget ends its callers too, whatever the item answered.
    if (budget.spent()) return;
    if (result == ActionResult::kContinue || result == ActionResult::kConditionTrue) {
      ++cursor;
    } else if (result == ActionResult::kConditionFalse) {
      const size_t from = cursor;
      cursor = SkipBlock(items_, cursor);
      if (!budget.ChargeItems(static_cast<int64_t>(cursor - from - 1))) return;
    } else {
      return;  // any other answer ends the run
    }
  }
}

}  // namespace browser
