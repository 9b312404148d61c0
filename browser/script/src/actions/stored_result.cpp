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

std::optional<platform::Variant> ConvertedOrByText(const platform::Variant& value,
                                                   platform::VarType type) {
  platform::VariantError e;
  platform::Variant converted = platform::Variant::Converted(value, type, &e);
  if (e == platform::VariantError::kOk) return converted;
  const platform::Variant text = platform::Variant::Converted(value, platform::VT_BSTR, &e);
  if (e != platform::VariantError::kOk) return std::nullopt;
  converted = platform::Variant::Converted(text, type, &e);
  if (e != platform::VariantError::kOk) return std::nullopt;
  return converted;
}

ActionResult StoreResult(ScriptContext& context, Variable& variable, platform::Variant value) {
  if (context.variables.Store(variable, std::move(value))) return ActionResult::kContinue;
  context.budget.Spend();
  return ActionResult::kBudgetSpent;
}

}  // namespace browser
