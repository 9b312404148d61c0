#include "value_text.h"

#include <cmath>
#include <string>

#include "platform/locale_numbers.h"

namespace browser {
namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

// Skips blanks and a sign; returns true for "-".
bool SkipBlanksAndSign(std::string_view text, size_t& i) {
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  return negative;
}

int32_t ParseInteger(std::string_view text, int base) {
  size_t i = 0;
  bool negative = SkipBlanksAndSign(text, i);
  if (base == 0) {
    base = 10;
    if (i < text.size() && text[i] == '0') {
      base = 8;
      // "0x" counts as a prefix only when a hexadecimal digit follows it.
      if (i + 2 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
          DigitValue(text[i + 2]) < 16) {
        base = 16;
        i += 2;
      }
    }
  }
  constexpr uint64_t kLimit = uint64_t{1} << 31;
  uint64_t value = 0;
  for (; i < text.size() && DigitValue(text[i]) < base; ++i) {
    value = value * base + DigitValue(text[i]);
    if (value > kLimit) value = kLimit + 1;  // saturated; keep consuming digits
  }
  if (negative) return value >= kLimit ? INT32_MIN : -static_cast<int32_t>(value);
  return value >= kLimit ? INT32_MAX : static_cast<int32_t>(value);
}

}  // namespace

int32_t ParseLong(std::string_view text) { return ParseInteger(text, 0); }
int32_t ParseInt(std::string_view text) { return ParseInteger(text, 10); }

double ParseDouble(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  // Only the decimal prefix is handed over, so neither hexadecimal floats, "inf" and
  // "nan" nor the user's decimal comma can change what a document means.
  std::string prefix(text.substr(start, i - start));
  return platform::ParseDecimal(prefix);
}

}  // namespace browser
