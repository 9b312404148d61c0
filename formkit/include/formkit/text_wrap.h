// Breaking a text that is too long for its line into lines that fit, the same way on paper
// (widths in device units) and in plain text (widths in characters).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace formkit {

// The width of a piece of text in the caller's units.
using TextMeasure = std::function<double(std::string_view)>;

// Breaks `text` into pieces of which the first fits `first_width` and every later one
// `width`, at blanks where it can (the blank where a line breaks is dropped); a word longer
// than a whole line is cut where it stops fitting, never inside a UTF-8 character. Every
// piece holds at least one character, so the result always ends; an empty text gives one
// empty piece.
std::vector<std::string> BreakText(std::string_view text, const TextMeasure& measure,
                                   double first_width, double width);

// The number of characters (not bytes) of UTF-8 text.
size_t CharacterCount(std::string_view text);

}  // namespace formkit
