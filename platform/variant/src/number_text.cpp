#include "number_text.h"

#include <langinfo.h>
#include <locale.h>
#include <stdlib.h>

#include <cmath>
#include <cstdio>
#include <mutex>

namespace platform {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0xA0; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int DigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return 99;
}

locale_t CLocale() {
  static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
  return c;
}

// The first character of a UTF-8 text, or 0 for an empty one.
char16_t FirstChar(const char* utf8) {
  std::u16string text = Utf8ToText(utf8 ? utf8 : "");
  return text.empty() ? u'\0' : text[0];
}

std::mutex format_mutex;
std::optional<NumberFormat> pinned_format;

NumberFormat EnvironmentFormat() {
  NumberFormat format{u'.', u'\0'};
  locale_t user = newlocale(LC_NUMERIC_MASK, "", nullptr);
  if (user == nullptr) return format;
  if (char16_t c = FirstChar(nl_langinfo_l(RADIXCHAR, user))) format.decimal = c;
  format.group = FirstChar(nl_langinfo_l(THOUSEP, user));
  freelocale(user);
  return format;
}

// Base 16 or 8 digits after &H / &O: every remaining character must be one.
VariantError ParseRadix(std::u16string_view digits, int base, ParsedNumber& out) {
  if (digits.empty()) return VariantError::kTypeMismatch;
  uint64_t value = 0;
  for (char16_t c : digits) {
    int d = DigitValue(c);
    if (d >= base) return VariantError::kTypeMismatch;
    if (value > (UINT64_MAX - d) / base) return VariantError::kOverflow;
    value = value * base + d;
  }
  out.exact = true;
  out.magnitude = value;
  out.real = static_cast<double>(value);
  return VariantError::kOk;
}

}  // namespace

NumberFormat UserNumberFormat() {
  std::lock_guard<std::mutex> lock(format_mutex);
  if (!pinned_format) pinned_format = EnvironmentFormat();
  return *pinned_format;
}

void SetUserNumberFormat(NumberFormat format) {
  std::lock_guard<std::mutex> lock(format_mutex);
  pinned_format = format;
}

VariantError ParseNumber(std::u16string_view text, NumberFormat format, ParsedNumber& out) {
  out = ParsedNumber{};
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (text.size() >= 2 && text[0] == u'&') {
    char16_t kind = static_cast<char16_t>(text[1] | 0x20);
    if (kind == u'h') return ParseRadix(text.substr(2), 16, out);
    if (kind == u'o') return ParseRadix(text.substr(2), 8, out);
  }
  size_t i = 0;
  bool parens = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    out.negative = text[i++] == u'-';
  } else if (i < text.size() && text[i] == u'(') {
    parens = true;
    out.negative = true;
    ++i;
  }
  // Collect the mantissa as plain ASCII for strtod, leaving out digit groups.
  std::string mantissa = out.negative ? "-" : "";
  size_t digits = 0;
  bool fraction = false;
  uint64_t whole = 0;
  bool whole_fits = true;
  for (; i < text.size(); ++i) {
    char16_t c = text[i];
    if (IsDigit(c)) {
      ++digits;
      mantissa += static_cast<char>(c);
      if (!fraction) {
        if (whole > (UINT64_MAX - (c - u'0')) / 10) whole_fits = false;
        whole = whole * 10 + (c - u'0');
      } else if (c != u'0') {
        whole_fits = false;  // a fraction that is not zero: not a whole number
      }
    } else if (c == format.decimal && !fraction) {
      fraction = true;
      mantissa += '.';
    } else if (c == format.group && format.group != u'\0' && !fraction && digits > 0) {
      continue;
    } else {
      break;
    }
  }
  if (digits == 0) return VariantError::kTypeMismatch;
  bool exponent = false;
  if (i < text.size() && ((text[i] | 0x20) == u'e' || (text[i] | 0x20) == u'd')) {
    size_t j = i + 1;
    std::string exp = "e";
    if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) exp += static_cast<char>(text[j++]);
    size_t exp_digits = 0;
    while (j < text.size() && IsDigit(text[j])) exp += static_cast<char>(text[j++]), ++exp_digits;
    if (exp_digits == 0) return VariantError::kTypeMismatch;
    mantissa += exp;
    exponent = true;
    i = j;
  }
  if (parens) {
    if (i >= text.size() || text[i] != u')') return VariantError::kTypeMismatch;
    ++i;
  }
  if (i != text.size()) return VariantError::kTypeMismatch;
  out.real = strtod_l(mantissa.c_str(), nullptr, CLocale());
  if (std::isinf(out.real)) return VariantError::kOverflow;
  if (!exponent && whole_fits) {
    out.exact = true;
    out.magnitude = whole;
  }
  return VariantError::kOk;
}

std::u16string FormatReal(double value, int digits, NumberFormat format) {
  if (std::isnan(value)) return u"1.#QNAN";
  if (std::isinf(value)) return value < 0 ? u"-1.#INF" : u"1.#INF";
  if (value == 0) return u"0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
  std::u16string out;
  for (const char* p = buffer; *p; ++p) {
    // snprintf writes the C locale's point only if the process locale was never changed;
    // accept either and write the user's separator.
    out += (*p == '.' || *p == ',') ? format.decimal : static_cast<char16_t>(*p);
  }
  return out;
}

std::u16string FormatInteger(int64_t value) {
  return Utf8ToText(std::to_string(value));
}

std::u16string FormatUnsigned(uint64_t value) { return Utf8ToText(std::to_string(value)); }

}  // namespace platform
