#pragma once

#include <optional>

#include "browser/script/script_item.h"
#include "browser/script/variables.h"
#include "platform/variant.h"

namespace browser {

// How the variable actions keep within the event's budget and the variables' memory: the
// new value is made beside the old one and stored only when all of it fits, so an action
// that answers kBudgetSpent has changed nothing.

// The characters a conversion or comparison of `value` reads: its text's length.
inline size_t TextSize(const platform::Variant& value) { return value.TextValue().size(); }

// `value` with its references expanded when it is a text (anything else comes back
// unchanged). Nothing when the expansion does not fit in the budget.
std::optional<platform::Variant> Expanded(ScriptContext& context, const platform::Variant& value);

// `value` with its references expanded while `holder` holds it, so that a reference to the
// variable being changed reads its new value; `holder` keeps its old value afterwards. A value
// that is not a text comes back unchanged. Nothing when the expansion does not fit in the
// budget.
std::optional<platform::Variant> ExpandedInPlaceOf(ScriptContext& context, Variable& holder,
                                                   platform::Variant value);

// `value` converted to `type`, directly or else by way of its text; nothing when neither
// converts.
std::optional<platform::Variant> ConvertedOrByText(const platform::Variant& value,
                                                   platform::VarType type);

// Stores `value` into `variable`: kContinue, or kBudgetSpent (the budget is spent then) when
// the variables' memory has no room for it.
ActionResult StoreResult(ScriptContext& context, Variable& variable, platform::Variant value);

}  // namespace browser
