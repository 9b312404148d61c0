// Text helpers shared by the programs' command lines and file readers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace formkit {

// The whole file as UTF-8 text: bytes that are not valid UTF-8 are taken as the
// single-byte Windows text the programs' files were first written in (Latin-1 range).
// None when the file cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);

// `text` as a JSON string literal, quotes included (control characters escaped, so a line
// break shows as \r\n).
std::string JsonString(std::string_view text);

}  // namespace formkit
