#include <charconv>
#include <cmath>
#include <string>

#include "c_locale.h"
#include "formkit/numbers.h"

namespace formkit {
namespace {

// General format with `digits` significant digits, as %G: exponent form when the decimal
// exponent is below -4 or not below `digits`, trailing zeros removed.
template <typename T>
std::string General(T magnitude, int digits) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::general, digits);
  std::string text(buffer, result.ptr);
  const size_t e = text.find('e');
  if (e != std::string::npos) {
    // "1.5e-05" becomes "1.5E-05".
    text[e] = 'E';
    return text;
  }
  if (text.size() > 1 && text[0] == '0' && text[1] == '.') text.erase(0, 1);
  return text;
}

template <typename T>
std::string Format(T value, int digits) {
  if (value == 0) return " 0";
  const std::string sign = std::signbit(value) ? "-" : " ";
  return sign + General(std::fabs(value), digits);
}

template <typename T>
T Round(T value, int decimals, T (*parse)(const std::string&)) {
  if (!std::isfinite(value)) return value;
  // The fixed conversion is exact and rounds an exact half to even, which is the rule.
  std::string text(400 + decimals, '\0');
  const auto result = std::to_chars(text.data(), text.data() + text.size(),
                                    static_cast<double>(value), std::chars_format::fixed, decimals);
  text.resize(result.ptr - text.data());
  return parse(text);
}

}  // namespace

std::string NumberText(float value) { return Format(value, 7); }
std::string NumberText(double value) { return Format(value, 15); }

float RoundHalfEven(float value, int decimals) {
  return Round<float>(value, decimals, internal::ParseSingle);
}
double RoundHalfEven(double value, int decimals) {
  return Round<double>(value, decimals, internal::ParseDouble);
}

}  // namespace formkit
