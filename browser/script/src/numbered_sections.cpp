#include "browser/script/numbered_sections.h"

#include <algorithm>

namespace browser {

std::vector<int> ExistingNumberedSections(const CDataFile& file, std::string_view prefix,
                                          int count) {
  std::vector<int> numbers;
  if (count <= 0) return numbers;
  for (const std::string& line : file.Lines()) {
    if (!IsSectionHeader(line)) continue;
    std::string_view name = std::string_view(line).substr(1, line.size() - 2);
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) continue;
    std::string_view digits = name.substr(prefix.size());
    // Only the spelling "%d" writes: no sign, no leading zero, at most ten digits.
    if (digits.size() > 10 || digits[0] == '0') continue;
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      continue;
    }
    int64_t n = std::stoll(std::string(digits));
    if (n <= count) numbers.push_back(static_cast<int>(n));
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

}  // namespace browser
