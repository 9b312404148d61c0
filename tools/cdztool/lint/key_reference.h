// The key reference of the authors' guide, printed from the browser's vocabulary, so that
// the guide names exactly the keys the browser reads (`cdztool vocabulary` prints it; a test
// compares it with the guide).
#pragma once

#include <string>

namespace cdztool {

// The reference as Markdown, from its first line to its last, each ending in a line feed.
std::string KeyReference();

}  // namespace cdztool
