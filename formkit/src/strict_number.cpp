#include <cmath>
#include <string>

#include "formkit/numbers.h"
#include "platform/locale_numbers.h"

namespace formkit {
namespace {

// A separator the locale spells in one byte (the programs' texts are bytes), or `fallback`.
char16_t OneByte(const std::string& separator, char16_t fallback) {
  return separator.size() == 1 ? static_cast<unsigned char>(separator[0]) : fallback;
}

}  // namespace

NumberFormat UserNumberFormat() {
  NumberFormat format{u'.', u','};
  if (const auto separators = platform::EnvironmentNumberSeparators()) {
    format.decimal = OneByte(separators->decimal, format.decimal);
    format.group = OneByte(separators->group, format.group);
  }
  return format;
}

std::optional<float> StrictSingle(std::string_view text, const NumberFormat& format) {
  platform::NumberReading rules;
  rules.format = format;
  rules.blanks = platform::Blanks::kSpaceAndTab;
  rules.trailing_sign = true;
  rules.radix = platform::RadixForm::kSignedWord;
  platform::NumberValue value;
  if (platform::ReadNumber(text, rules, value) != platform::NumberError::kOk) return std::nullopt;
  const float single = static_cast<float>(value.real);
  if (std::isinf(single)) return std::nullopt;
  return single;
}

}  // namespace formkit
