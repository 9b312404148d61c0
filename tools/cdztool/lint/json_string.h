#pragma once

#include <string>

namespace cdztool {

// `text` as a JSON string, quotes included: quotes and backslashes escaped, control
// characters as \u00XX, other bytes as they are (documents are UTF-8 or plain bytes).
std::string JsonString(const std::string& text);

}  // namespace cdztool
