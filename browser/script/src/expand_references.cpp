#include "browser/script/event_budget.h"
#include "browser/script/variables.h"

namespace browser {
namespace {

// A reference costs the budget more than its characters: its name is converted and looked
// up, which takes about as long as copying this many characters.
constexpr size_t kReferenceCost = 32;

// The name between two bars as the store spells names, into a buffer that is reused for
// every reference of a text: names are nearly always plain ASCII.
void NameOf(std::u16string_view text, std::string& name) {
  name.clear();
  for (char16_t c : text) {
    if (c >= 0x80) {
      name = platform::TextToUtf8(text);
      return;
    }
    name.push_back(static_cast<char>(c));
  }
}

// Builds the result beside the input instead of replacing in place, so each reference costs
// its own length and its value's, not the length of the text behind it.
std::optional<std::u16string> Expand(CVariableStore& store, std::u16string_view text,
                                     EventBudget* budget) {
  if (budget != nullptr && !budget->ChargeCharacters(text.size())) return std::nullopt;
  if (text.size() < 3) return std::u16string(text);
  std::u16string out;
  out.reserve(text.size());
  size_t copied = 0;  // text[0, copied) is in `out`
  std::string name;
  size_t p = 0;
  while (p + 1 < text.size()) {
    const size_t open = text.find(u'|', p);
    if (open == std::u16string_view::npos) break;
    const size_t close = text.find(u'|', open + 1);
    if (close == std::u16string_view::npos) break;
    if (budget != nullptr && !budget->ChargeCharacters(kReferenceCost)) return std::nullopt;
    NameOf(text.substr(open + 1, close - open - 1), name);
    const Variable* v = store.FindVariable(name);
    // What the whole text measures once this reference is replaced: `out` so far, the value,
    // and the rest of the input behind the reference.
    const size_t rest = text.size() - close - 1;
    if (v != nullptr && v->value.IsText() &&
        out.size() + (open - copied) + v->value.TextValue().size() + rest <= kMaxExpandedText) {
      const std::u16string& value = v->value.TextValue();
      if (budget != nullptr && !budget->ChargeCharacters(value.size())) return std::nullopt;
      out.append(text, copied, open - copied);
      out.append(value);
      copied = close + 1;
    }
    // An inserted value is not searched again: either way the search goes on behind the
    // reference, which is where an inserted value ends in the result.
    p = close + 1;
  }
  out.append(text, copied, std::u16string_view::npos);
  return out;
}

}  // namespace

std::u16string ExpandReferences(CVariableStore& store, std::u16string_view text) {
  return *Expand(store, text, nullptr);
}

std::optional<std::u16string> ExpandReferences(CVariableStore& store, std::u16string_view text,
                                               EventBudget& budget) {
  return Expand(store, text, &budget);
}

}  // namespace browser
