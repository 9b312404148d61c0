// Numbers in text, the one set of rules for the form programs and the browser's variants:
// reading a whole text as a number, reading the leading numeric part of a text, and writing
// a value with 7 or 15 significant digits. Where the two kinds of caller read or write
// differently, the difference is a field of the rules they hand in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The decimal and digit-group separators of a regional number format. A group of u'\0'
// means the format groups no digits.
struct NumberFormat {
  char16_t decimal = u'.';
  char16_t group = u',';
};

enum class NumberError {
  kOk,
  kNotANumber,
  kOverflow,  // beyond the double range, or &H / &O digits beyond the radix form's width
};

// A number read from text: exact when it is a whole number that fits 64 bits (always so for
// &H / &O), otherwise a double.
struct NumberValue {
  bool exact = false;
  bool negative = false;
  uint64_t magnitude = 0;  // when exact
  double real = 0;         // always set; a negative zero stays negative
};

// The blanks a number may stand between.
enum class Blanks {
  kSpaceAndTab,
  kWhiteSpace,  // space, tab, line feed, vertical tab, form feed, carriage return, U+00A0
};

// What "&H" (hexadecimal) and "&O" (octal) introduce.
enum class RadixForm {
  // The whole text is "&H" and digits, without a sign; the value is the digits' unsigned
  // 64-bit magnitude ("&HFFFF" is 65535).
  kUnsigned64,
  // The digits after any sign: a 16-bit two's-complement value when they fit 16 bits, else
  // a 32-bit one ("&HFFFF" is -1, "&H10000" is 65536, "-&H10" is -16); more is kOverflow.
  kSignedWord,
};

// How a whole text is read. The defaults are the variant coercions' rules.
struct NumberReading {
  NumberFormat format{u'.', u'\0'};
  Blanks blanks = Blanks::kWhiteSpace;
  bool trailing_sign = false;  // "2-" reads as -2
  RadixForm radix = RadixForm::kUnsigned64;
};

// Reads a whole text as a number: blanks around it; one sign before it, a sign after it
// (when the rules allow that) or parentheses around it for a negative value; digit groups
// in the whole part after its first digit; the format's decimal separator; an exponent
// introduced by E or D with at least one digit; or &H / &O digits. Nothing else may be in
// the text. A byte text is read one byte to a character (the separators as Latin-1).
NumberError ReadNumber(std::u16string_view text, const NumberReading& rules, NumberValue& out);
NumberError ReadNumber(std::string_view text, const NumberReading& rules, NumberValue& out);

// Reads the leading numeric part of a text, as the form programs read every input: blanks,
// tabs and line feeds anywhere in the text are ignored; "." is always the decimal point; an
// optional sign; an exponent introduced by E or D (left out when no digit follows it);
// "&H" / "&O" and digits as a signed word (RadixForm::kSignedWord, the sign not allowed);
// reading stops at the first other character; a text with no numeric prefix reads as 0.
// kOverflow (and `out` unchanged) when the value is beyond the double range or the &H / &O
// digits beyond 32 bits.
NumberError ReadLeadingNumber(std::string_view text, double& out);

// How a value is written. The defaults are the variant coercions' rules.
struct NumberWriting {
  bool blank_before_positive = false;  // " 12", " 0" and "-12"
  bool zero_before_point = true;       // "0.5", or ".5" without
};

// Writes `value` with at most `digits` significant digits, without trailing zeros, "." as
// the decimal point; exponent form ("1.5E-05", "1E+15") for values below 1E-4 or with more
// whole digits than `digits`. Zero of either sign is "0"; an infinity is "1.#INF" (signed as
// any value) and not-a-number "1.#QNAN". The text is plain ASCII.
std::string WriteNumber(double value, int digits, const NumberWriting& rules);

}  // namespace platform
