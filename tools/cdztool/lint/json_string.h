#pragma once

#include <string>
#include <string_view>

namespace cdztool {

// Document text as UTF-8: text that is valid UTF-8 stays as it is; any other is read as
// Windows-1252, the code page such CDs were written in (its five unassigned bytes as the C1
// control characters of the same numbers).
std::string DocumentTextUtf8(std::string_view text);

// `text` as a JSON string, quotes included: the text as DocumentTextUtf8 gives it, quotes and
// backslashes escaped and every control character (C0, DEL and C1) as \u00XX.
std::string JsonString(std::string_view text);

// `text` for a line of a terminal: as DocumentTextUtf8 gives it, with every control character
// written out (\n, \r, \t, else \xNN for C0 and DEL, \u00NN for C1), so that a name or a line
// of a document can neither break the line nor send the terminal a command.
std::string PrintableText(std::string_view text);

}  // namespace cdztool
