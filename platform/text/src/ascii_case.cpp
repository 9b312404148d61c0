#include "platform/ascii_case.h"

namespace platform {
namespace {

template <typename Char>
Char Upper(Char c) {
  return c >= 'a' && c <= 'z' ? static_cast<Char>(c - 'a' + 'A') : c;
}

template <typename Char>
bool Equal(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Upper(a[i]) != Upper(b[i])) return false;
  return true;
}

}  // namespace

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = Upper(c);
  return upper;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) { return Equal(a, b); }
bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) { return Equal(a, b); }

}  // namespace platform
