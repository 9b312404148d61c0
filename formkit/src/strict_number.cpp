#include <langinfo.h>
#include <locale.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "c_locale.h"
#include "formkit/numbers.h"

namespace formkit {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<float> RadixWhole(std::string_view digits, int base) {
  if (digits.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char c : digits) {
    int d = -1;
    if (IsDigit(c)) d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    if (d < 0 || d >= base) return std::nullopt;
    value = value * base + d;
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (value <= 0xFFFF) return static_cast<float>(static_cast<int16_t>(static_cast<uint16_t>(value)));
  return static_cast<float>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

}  // namespace

NumberFormat UserNumberFormat() {
  NumberFormat format;
  const locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (user == static_cast<locale_t>(nullptr)) return format;
  const char* radix = nl_langinfo_l(RADIXCHAR, user);
  const char* group = nl_langinfo_l(THOUSEP, user);
  if (radix && radix[0] && !radix[1]) format.decimal = radix[0];
  if (group && group[0] && !group[1]) format.group = group[0];
  freelocale(user);
  return format;
}

std::optional<float> StrictSingle(std::string_view text, const NumberFormat& format) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  std::string_view s = text.substr(begin, end - begin);
  if (s.empty()) return std::nullopt;

  bool negative = false;
  if (s.size() >= 2 && s.front() == '(' && s.back() == ')') {
    negative = true;
    s = s.substr(1, s.size() - 2);
  } else if (s.front() == '+' || s.front() == '-') {
    negative = s.front() == '-';
    s.remove_prefix(1);
  } else if (s.back() == '+' || s.back() == '-') {
    negative = s.back() == '-';
    s.remove_suffix(1);
  }
  if (s.empty()) return std::nullopt;

  if (s.size() >= 2 && s[0] == '&') {
    std::optional<float> whole;
    if (s[1] == 'H' || s[1] == 'h') whole = RadixWhole(s.substr(2), 16);
    if (s[1] == 'O' || s[1] == 'o') whole = RadixWhole(s.substr(2), 8);
    if (whole && negative) *whole = -*whole;
    return whole;
  }

  std::string number = negative ? "-" : "";
  size_t i = 0;
  bool any_digit = false;
  while (i < s.size() && (IsDigit(s[i]) || (s[i] == format.group && any_digit))) {
    if (IsDigit(s[i])) number.push_back(s[i]), any_digit = true;
    ++i;
  }
  if (i < s.size() && s[i] == format.decimal) {
    number.push_back('.');
    ++i;
    while (i < s.size() && IsDigit(s[i])) number.push_back(s[i++]), any_digit = true;
  }
  if (!any_digit) return std::nullopt;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    number.push_back('e');
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.push_back(s[i++]);
    bool exponent_digit = false;
    while (i < s.size() && IsDigit(s[i])) number.push_back(s[i++]), exponent_digit = true;
    if (!exponent_digit) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  const double value = internal::ParseDouble(number);
  const float single = static_cast<float>(value);
  if (std::isinf(value) || std::isinf(single)) return std::nullopt;
  return single;
}

}  // namespace formkit
