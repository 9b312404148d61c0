// Starting a program the way documents written for Windows expect: a parameters text split
// as a Windows command line is, and program names that end in ".exe".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The words of a parameters text: blanks and tabs separate words; a word that starts with a
// double quote runs to the next double quote (or the end), without the quotes; there are no
// escapes, and every other character (";", "$(", "`", ...) is plain text.
//   `/s "C:\My Dir" a"b` -> {"/s", "C:\My Dir", "a\"b"}
std::vector<std::string> SplitParameters(std::string_view text);

// The executable file that `path` names: `path` itself, or for a name ending in ".exe" (any
// case) that is not one, the name without that ending; nothing when neither is an executable
// regular file.
std::optional<std::string> ProgramFile(const std::string& path);

}  // namespace platform
