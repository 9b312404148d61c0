#include <charconv>
#include <cmath>
#include <string>

#include "formkit/numbers.h"
#include "platform/locale_numbers.h"

namespace formkit {
namespace {

// A blank before a non-negative value and no zero before the decimal point: " .5", "-.5".
constexpr platform::NumberWriting kLabelText{.blank_before_positive = true,
                                             .zero_before_point = false};

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

std::string NumberText(float value) { return platform::WriteNumber(value, 7, kLabelText); }
std::string NumberText(double value) { return platform::WriteNumber(value, 15, kLabelText); }

float RoundHalfEven(float value, int decimals) {
  return Round<float>(value, decimals, platform::ParseDecimalSingle);
}
double RoundHalfEven(double value, int decimals) {
  return Round<double>(value, decimals, platform::ParseDecimal);
}

}  // namespace formkit
