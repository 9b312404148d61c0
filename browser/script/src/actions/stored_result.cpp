#include "stored_result.h"

#include <utility>

namespace browser {

std::optional<platform::Variant> Expanded(ScriptContext& context, const platform::Variant& value) {
  if (!value.IsText()) return value;
  std::optional<std::u16string> text =
      ExpandReferences(context.variables, value.TextValue(), context.budget);
  if (!text) return std::nullopt;
  return platform::Variant::Text(std::move(*text));
}

std::optional<platform::Variant> ExpandedInPlaceOf(ScriptContext& context, Variable& holder,
                                                   platform::Variant value) {
  if (!value.IsText()) return value;
  std::swap(holder.value, value);
  std::optional<std::u16string> expanded =
      ExpandReferences(context.variables, holder.value.TextValue(), context.budget);
  std::swap(holder.value, value);
  if (!expanded) return std::nullopt;
  return platform::Variant::Text(std::move(*expanded));
}

ActionResult StoreResult(ScriptContext& context, Variable& variable, platform::Variant value) {
  if (context.variables.Store(variable, std::move(value))) return ActionResult::kContinue;
  context.budget.Spend();
  return ActionResult::kBudgetSpent;
}

}  // namespace browser
