#include "browser/script/numbered_sections.h"

#include <algorithm>

namespace browser {

std::vector<int> ExistingNumberedSections(const CDataFile& file, std::string_view prefix,
                                          int count) {
  std::vector<int> numbers;
  if (count <= 0) return numbers;
  for (int64_t n : file.NumberedSections(prefix)) {
    if (n > count) break;
    numbers.push_back(static_cast<int>(n));
  }
  return numbers;
}

}  // namespace browser
