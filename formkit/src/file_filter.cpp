#include "formkit/file_filter.h"

#include <vector>

namespace formkit {

std::string QtFileFilter(std::string_view filter) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= filter.size()) {
    const size_t bar = filter.find('|', start);
    const size_t end = bar == std::string_view::npos ? filter.size() : bar;
    parts.emplace_back(filter.substr(start, end - start));
    start = end + 1;
  }
  std::string out;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    std::string description = parts[i];
    std::string pattern = parts[i + 1];
    // "*.*" means every file; on Linux many names have no dot.
    if (pattern == "*.*") pattern = "*";
    for (char& c : pattern)
      if (c == ';') c = ' ';
    // The description is shown as the program wrote it; Qt takes the patterns from its
    // parentheses, so they are the ones that apply.
    const size_t paren = description.rfind('(');
    if (!description.empty() && description.back() == ')' && paren != std::string::npos) {
      description.erase(paren);
    } else {
      while (!description.empty() && description.back() == ' ') description.pop_back();
      description.push_back(' ');
    }
    if (!out.empty()) out += ";;";
    out += description + "(" + pattern + ")";
  }
  return out;
}

}  // namespace formkit
