#pragma once

#include <cstdint>
#include <string_view>

namespace browser {

// The value conversions of the data file getters. Each reads the leading part of the text
// that fits and ignores the rest; text without digits reads as 0. Integers are 32-bit and
// saturate on overflow. None depends on the process locale.

// Base 0: optional blanks and sign, then "0x"/"0X" for hexadecimal, a leading "0" for
// octal, otherwise decimal.
int32_t ParseLong(std::string_view text);
// Decimal: optional blanks and sign, then digits.
int32_t ParseInt(std::string_view text);
// Decimal floating point: optional blanks and sign, digits with an optional "." and an
// optional exponent.
double ParseDouble(std::string_view text);

}  // namespace browser
