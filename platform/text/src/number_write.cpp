#include <charconv>
#include <cmath>
#include <string>

#include "platform/number_text.h"

namespace platform {
namespace {

// General format with `digits` significant digits, as %G: exponent form when the decimal
// exponent is below -4 or not below `digits`, trailing zeros removed. The conversion
// follows no locale.
std::string General(double magnitude, int digits) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::general, digits);
  std::string text(buffer, result.ptr);
  const size_t e = text.find('e');
  if (e != std::string::npos) text[e] = 'E';  // "1.5e-05" becomes "1.5E-05"
  return text;
}

}  // namespace

std::string WriteNumber(double value, int digits, const NumberWriting& rules) {
  const std::string plus = rules.blank_before_positive ? " " : "";
  if (std::isnan(value)) return plus + "1.#QNAN";
  if (value == 0) return plus + "0";
  const std::string sign = std::signbit(value) ? "-" : plus;
  if (std::isinf(value)) return sign + "1.#INF";
  std::string text = General(std::fabs(value), digits);
  if (!rules.zero_before_point && text.size() > 1 && text[0] == '0' && text[1] == '.') {
    text.erase(0, 1);
  }
  return sign + text;
}

}  // namespace platform
