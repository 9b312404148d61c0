#include <cmath>
#include <cstdint>
#include <string>

#include "platform/locale_numbers.h"
#include "platform/number_text.h"

namespace platform {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool IsBlank(char16_t c, Blanks blanks) {
  if (c == u' ' || c == u'\t') return true;
  return blanks == Blanks::kWhiteSpace && ((c >= u'\n' && c <= u'\r') || c == 0xA0);
}

// The value of `c` as a digit of `base`, or -1.
int DigitValue(char16_t c, int base) {
  int v = -1;
  if (IsDigit(c)) {
    v = c - u'0';
  } else if (c >= u'a' && c <= u'f') {
    v = c - u'a' + 10;
  } else if (c >= u'A' && c <= u'F') {
    v = c - u'A' + 10;
  }
  return v < base ? v : -1;
}

// Each byte one character, so that byte separators compare as they are.
std::u16string Widened(std::string_view bytes) {
  std::u16string text(bytes.size(), u'\0');
  for (size_t i = 0; i < bytes.size(); ++i) text[i] = static_cast<unsigned char>(bytes[i]);
  return text;
}

// The base that "&H" or "&O" at the start of `text` introduces, or 0.
int RadixBase(std::u16string_view text) {
  if (text.size() < 2 || text[0] != u'&') return 0;
  if (text[1] == u'H' || text[1] == u'h') return 16;
  if (text[1] == u'O' || text[1] == u'o') return 8;
  return 0;
}

// The digits of `base` at the start of `text`, up to the first character that is none.
struct RadixDigits {
  uint64_t value = 0;
  size_t count = 0;
  bool overflow = false;  // the digits went past `limit` (count stops there)
};

RadixDigits ReadRadixDigits(std::u16string_view text, int base, uint64_t limit) {
  RadixDigits digits;
  for (char16_t c : text) {
    const int d = DigitValue(c, base);
    if (d < 0) break;
    if (digits.value > (limit - d) / base) {
      digits.overflow = true;
      break;
    }
    digits.value = digits.value * base + d;
    ++digits.count;
  }
  return digits;
}

constexpr uint64_t kWordDigitsLimit = 0xFFFFFFFF;

int32_t SignedWord(uint64_t digits) {
  if (digits <= 0xFFFF) return static_cast<int16_t>(static_cast<uint16_t>(digits));
  return static_cast<int32_t>(static_cast<uint32_t>(digits));
}

// "&H" / "&O" and nothing but digits after it, in the rules' radix form.
NumberError ReadRadix(std::u16string_view digits, int base, RadixForm form, bool negative,
                      NumberValue& out) {
  const RadixDigits read =
      ReadRadixDigits(digits, base, form == RadixForm::kSignedWord ? kWordDigitsLimit : UINT64_MAX);
  if (read.overflow) return NumberError::kOverflow;
  if (read.count == 0 || read.count != digits.size()) return NumberError::kNotANumber;
  out.exact = true;
  if (form == RadixForm::kUnsigned64) {
    out.magnitude = read.value;
    out.real = static_cast<double>(read.value);
    return NumberError::kOk;
  }
  const int64_t word = SignedWord(read.value);
  out.negative = (word < 0) != negative;
  out.magnitude = static_cast<uint64_t>(word < 0 ? -word : word);
  out.real = negative ? -static_cast<double>(word) : static_cast<double>(word);
  return NumberError::kOk;
}

// One sign, taken off the text: parentheses around it, a leading sign or (when allowed) a
// trailing one.
bool TakeSign(std::u16string_view& text, bool trailing_sign) {
  const auto is_sign = [](char16_t c) { return c == u'+' || c == u'-'; };
  if (text.size() >= 2 && text.front() == u'(' && text.back() == u')') {
    text = text.substr(1, text.size() - 2);
    return true;
  }
  if (!text.empty() && is_sign(text.front())) {
    const bool negative = text.front() == u'-';
    text.remove_prefix(1);
    return negative;
  }
  if (trailing_sign && !text.empty() && is_sign(text.back())) {
    const bool negative = text.back() == u'-';
    text.remove_suffix(1);
    return negative;
  }
  return false;
}

// "E" or "D", an optional sign and digits at `i`, appended to `number` as "e..."; false when
// no digit follows. `i` moves past what was read.
bool ReadExponent(std::u16string_view text, size_t& i, std::string& number) {
  const char16_t c = i < text.size() ? text[i] : u'\0';
  if (c != u'E' && c != u'e' && c != u'D' && c != u'd') return false;
  size_t j = i + 1;
  std::string exponent = "e";
  if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
    exponent += static_cast<char>(text[j++]);
  const size_t first_digit = j;
  while (j < text.size() && IsDigit(text[j])) exponent += static_cast<char>(text[j++]);
  if (j == first_digit) return false;
  number += exponent;
  i = j;
  return true;
}

NumberError ReadWholeText(std::u16string_view text, const NumberReading& rules, NumberValue& out) {
  out = NumberValue{};
  while (!text.empty() && IsBlank(text.front(), rules.blanks)) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back(), rules.blanks)) text.remove_suffix(1);
  // An unsigned radix number is the whole text: no sign is taken off before it.
  if (rules.radix == RadixForm::kUnsigned64) {
    if (const int base = RadixBase(text))
      return ReadRadix(text.substr(2), base, rules.radix, false, out);
  }
  const bool negative = TakeSign(text, rules.trailing_sign);
  if (rules.radix == RadixForm::kSignedWord) {
    if (const int base = RadixBase(text)) {
      return ReadRadix(text.substr(2), base, rules.radix, negative, out);
    }
  }

  // The mantissa goes to the decimal conversion as plain ASCII, without digit groups.
  const NumberFormat& format = rules.format;
  std::string number = negative ? "-" : "";
  size_t i = 0, digits = 0;
  bool fraction = false;
  uint64_t whole = 0;
  bool whole_fits = true;
  for (; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (IsDigit(c)) {
      ++digits;
      number += static_cast<char>(c);
      if (!fraction) {
        if (whole > (UINT64_MAX - (c - u'0')) / 10) whole_fits = false;
        whole = whole * 10 + (c - u'0');
      } else if (c != u'0') {
        whole_fits = false;  // a fraction that is not zero: not a whole number
      }
    } else if (c == format.decimal && !fraction) {
      fraction = true;
      number += '.';
    } else if (c == format.group && format.group != u'\0' && !fraction && digits > 0) {
      continue;
    } else {
      break;
    }
  }
  if (digits == 0) return NumberError::kNotANumber;
  const bool exponent = i < text.size() && ReadExponent(text, i, number);
  if (i != text.size()) return NumberError::kNotANumber;
  out.negative = negative;
  out.real = ParseDecimal(number);
  if (std::isinf(out.real)) return NumberError::kOverflow;
  if (!exponent && whole_fits) {
    out.exact = true;
    out.magnitude = whole;
  }
  return NumberError::kOk;
}

}  // namespace

NumberError ReadNumber(std::u16string_view text, const NumberReading& rules, NumberValue& out) {
  return ReadWholeText(text, rules, out);
}

NumberError ReadNumber(std::string_view text, const NumberReading& rules, NumberValue& out) {
  return ReadWholeText(Widened(text), rules, out);
}

NumberError ReadLeadingNumber(std::string_view text, double& out) {
  std::u16string s;
  s.reserve(text.size());
  for (char16_t c : Widened(text))
    if (c != u' ' && c != u'\t' && c != u'\n') s.push_back(c);

  if (const int base = RadixBase(s)) {
    const RadixDigits read =
        ReadRadixDigits(std::u16string_view(s).substr(2), base, kWordDigitsLimit);
    if (read.overflow) return NumberError::kOverflow;
    out = SignedWord(read.value);
    return NumberError::kOk;
  }

  // The longest prefix of the form [sign] digits [. digits] [E|D [sign] digits].
  std::string number;
  size_t i = 0;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) number += static_cast<char>(s[i++]);
  bool any_digit = false;
  while (i < s.size() && IsDigit(s[i])) number += static_cast<char>(s[i++]), any_digit = true;
  if (i < s.size() && s[i] == u'.') {
    number += static_cast<char>(s[i++]);
    while (i < s.size() && IsDigit(s[i])) number += static_cast<char>(s[i++]), any_digit = true;
  }
  if (!any_digit) {
    out = 0.0;
    return NumberError::kOk;
  }
  ReadExponent(s, i, number);
  const double value = ParseDecimal(number);
  if (std::isinf(value)) return NumberError::kOverflow;
  out = value;
  return NumberError::kOk;
}

}  // namespace platform
