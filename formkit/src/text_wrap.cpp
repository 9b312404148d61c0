#include "formkit/text_wrap.h"

namespace formkit {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The end of the first character of `text` from `at`.
size_t NextCharacter(std::string_view text, size_t at) {
  ++at;
  while (at < text.size() && IsContinuation(text[at])) ++at;
  return at;
}

// The longest start of `text` that fits `width`: up to its last blank that fits, else as
// many characters as fit; at least one character.
size_t FittingPrefix(std::string_view text, const TextMeasure& measure, double width) {
  size_t fits = 0;  // characters only
  size_t blank = std::string_view::npos;
  for (size_t at = 0; at < text.size();) {
    const size_t next = NextCharacter(text, at);
    if (measure(text.substr(0, next)) > width) break;
    if (text[at] == ' ') blank = at;
    fits = next;
    at = next;
  }
  if (fits == text.size()) return fits;
  // The break at a blank keeps the words whole; the blank itself may not fit.
  if (fits < text.size() && text[fits] == ' ') return fits;
  if (blank != std::string_view::npos && blank > 0) return blank;
  return fits > 0 ? fits : NextCharacter(text, 0);
}

}  // namespace

std::vector<std::string> BreakText(std::string_view text, const TextMeasure& measure,
                                   double first_width, double width) {
  std::vector<std::string> pieces;
  std::string_view rest = text;
  while (true) {
    const double room = pieces.empty() ? first_width : width;
    if (measure(rest) <= room) break;
    const size_t cut = FittingPrefix(rest, measure, room);
    if (cut >= rest.size()) break;
    pieces.emplace_back(rest.substr(0, cut));
    rest.remove_prefix(cut);
    // The blank the line breaks at goes with the break.
    if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  }
  pieces.emplace_back(rest);
  return pieces;
}

size_t CharacterCount(std::string_view text) {
  size_t n = 0;
  for (unsigned char c : text)
    if (!IsContinuation(c)) ++n;
  return n;
}

}  // namespace formkit
