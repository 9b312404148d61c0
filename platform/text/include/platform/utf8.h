// UTF-8 as RFC 3629 draws it: one to four bytes a code point, never an overlong form, a
// surrogate or a value past U+10FFFF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The length of the valid UTF-8 sequence that starts at `i` of `text` (`i` below its size),
// with its code point in `code`; 0 where the bytes there are no valid UTF-8 (a cut, overlong
// or surrogate sequence, a lone continuation byte), and `code` is then undefined.
size_t DecodeUtf8(std::string_view text, size_t i, char32_t& code);

// Whether the whole of `text` is valid UTF-8.
bool IsValidUtf8(std::string_view text);

// Appends `code` (at most U+10FFFF) to `out` as UTF-8.
void AppendUtf8(std::string& out, char32_t code);

}  // namespace platform
