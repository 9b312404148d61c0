// Splitting a text into its lines.
#pragma once

#include <string_view>
#include <vector>

namespace platform {

// The lines of `text`, each without its '\n' (a '\r' before it stays). A final '\n' ends the
// last line and starts no empty one; an empty text has no lines. The lines are views into
// `text`, which must outlive them.
std::vector<std::string_view> TextLines(std::string_view text);

}  // namespace platform
