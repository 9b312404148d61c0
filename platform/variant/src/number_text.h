#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/variant.h"

namespace platform {

// A number read from text: exact when it is a whole number that fits 64 bits, otherwise a
// double.
struct ParsedNumber {
  bool exact = false;
  bool negative = false;
  uint64_t magnitude = 0;  // when exact
  double real = 0;         // always set
};

// Reads a whole text as a number in the given format: blanks around it, a leading sign or
// parentheses for a negative value, digit groups in the whole part, one decimal separator,
// an exponent (E or D), or &H / &O for hexadecimal and octal. Nothing else may follow.
// kTypeMismatch when the text is not a number, kOverflow when it is too large for a double.
VariantError ParseNumber(std::u16string_view text, NumberFormat format, ParsedNumber& out);

// Number text as the coercions to BSTR write it: no digit groups, the format's decimal
// separator, at most `digits` significant digits, exponent form (1E+15, 1E-05) outside the
// range that plain digits show.
std::u16string FormatReal(double value, int digits, NumberFormat format);
std::u16string FormatInteger(int64_t value);
std::u16string FormatUnsigned(uint64_t value);

}  // namespace platform
