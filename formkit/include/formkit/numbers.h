// Reading numbers from control texts and writing computed values as label texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/number_text.h"

namespace formkit {

// Reads the leading numeric part of a control's text, as the form programs read every input:
// blanks, tabs and line feeds anywhere in the text are ignored; "." is always the decimal
// point; an optional sign; an exponent introduced by E or D; "&H" and "&O" start a
// hexadecimal or octal whole number (16-bit when it fits in 16 bits, else 32-bit, signed);
// reading stops at the first other character; a text with no numeric prefix reads as 0.
// Throws Fault when the value is beyond the double range or a hex/octal value beyond 32 bits.
double Val(std::string_view text);

// The same, held in single precision (throws Fault when beyond the single range).
float ValSingle(std::string_view text);

// Number text: a blank before a non-negative value, "-" before a negative one, then the
// value with at most 7 (single) or 15 (double) significant digits, without a zero before the
// decimal point, without trailing zeros; exponent form ("1.5E-05", "1E+15") for values
// below 1E-4 or with more whole digits than significant digits allow.
std::string NumberText(float value);
std::string NumberText(double value);

// Rounds to the nearest multiple of 10^-decimals of the exact stored value, an exact half
// to the even neighbour; the result keeps the precision of the argument.
float RoundHalfEven(float value, int decimals);
double RoundHalfEven(double value, int decimals);

// The decimal and grouping characters of the user's regional number format.
using NumberFormat = platform::NumberFormat;
// The format of the LC_NUMERIC locale named by the environment, read anew on each call: a
// separator the locale spells in one byte is taken, any other stays "." and "," (the C
// locale's "." and no grouping give "." and ",").
NumberFormat UserNumberFormat();

// Strict conversion of a whole text to single precision in the given regional format:
// surrounding blanks and tabs are allowed; a leading or trailing sign or parentheses for a
// negative value; grouping characters in the whole part; the decimal character; an exponent
// (E or D); "&H"/"&O" whole numbers, 16- or 32-bit as Val reads them, which a sign negates.
// Anything else, an empty text, or a value beyond the single range gives no value.
std::optional<float> StrictSingle(std::string_view text, const NumberFormat& format);

}  // namespace formkit
