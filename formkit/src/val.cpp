#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "formkit/fault.h"
#include "formkit/numbers.h"
#include "c_locale.h"

namespace formkit {
namespace {

bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c, int base) {
  int v = -1;
  if (IsDigit(c)) v = c - '0';
  else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  return v < base ? v : -1;
}

// "&H1F" / "&O17": the digits after the prefix, as a signed 16- or 32-bit value.
double RadixValue(const std::string& s, size_t pos, int base) {
  uint64_t value = 0;
  for (; pos < s.size(); ++pos) {
    const int d = DigitValue(s[pos], base);
    if (d < 0) break;
    value = value * base + d;
    if (value > 0xFFFFFFFFull) throw Fault("overflow");
  }
  if (value <= 0xFFFF) return static_cast<int16_t>(static_cast<uint16_t>(value));
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

}  // namespace

double Val(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (!IsIgnored(c)) s.push_back(c);

  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return RadixValue(s, 2, 16);
    if (s[1] == 'O' || s[1] == 'o') return RadixValue(s, 2, 8);
    return 0.0;
  }

  // Collect the longest prefix of the form [sign] digits [. digits] [E|D [sign] digits].
  std::string number;
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.push_back(s[i++]);
  bool any_digit = false;
  while (i < s.size() && IsDigit(s[i])) number.push_back(s[i++]), any_digit = true;
  if (i < s.size() && s[i] == '.') {
    number.push_back(s[i++]);
    while (i < s.size() && IsDigit(s[i])) number.push_back(s[i++]), any_digit = true;
  }
  if (!any_digit) return 0.0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
    bool exponent_digit = false;
    while (j < s.size() && IsDigit(s[j])) exponent.push_back(s[j++]), exponent_digit = true;
    if (exponent_digit) number += exponent;
  }
  const double value = internal::ParseDouble(number);
  if (std::isinf(value)) throw Fault("overflow");
  return value;
}

float ValSingle(std::string_view text) { return ToSingle(Val(text)); }

}  // namespace formkit
