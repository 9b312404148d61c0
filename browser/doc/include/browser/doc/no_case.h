#pragma once

#include <string_view>

#include "platform/ascii_case.h"

namespace browser {

// ASCII comparisons without regard to case, as member names, keys, element types and
// command names are compared.
inline bool EqualsNoCase(std::string_view a, std::string_view b) {
  return platform::EqualsIgnoringCase(a, b);
}

inline bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

inline bool ContainsNoCase(std::string_view text, std::string_view part) {
  if (part.size() > text.size()) return false;
  for (size_t i = 0; i + part.size() <= text.size(); ++i) {
    if (EqualsNoCase(text.substr(i, part.size()), part)) return true;
  }
  return false;
}

}  // namespace browser
