#include "browser/script/variables.h"

namespace browser {

std::u16string ExpandReferences(CVariableStore& store, std::u16string_view input) {
  std::u16string text(input);
  if (text.size() < 3) return text;
  size_t p = 0;
  while (p + 1 < text.size()) {
    size_t open = text.find(u'|', p);
    if (open == std::u16string::npos) break;
    size_t close = text.find(u'|', open + 1);
    if (close == std::u16string::npos) break;
    const std::string name = platform::TextToUtf8(
        std::u16string_view(text).substr(open + 1, close - open - 1));
    const Variable* v = store.FindVariable(name);
    const size_t reference = close - open + 1;
    if (v != nullptr && v->value.IsText() &&
        text.size() - reference + v->value.TextValue().size() <= kMaxExpandedText) {
      const std::u16string value = v->value.TextValue();
      text.replace(open, reference, value);
      // The inserted value is not searched again.
      p = open + value.size();
    } else {
      p = close + 1;
    }
  }
  return text;
}

}  // namespace browser
