// Where numbers meet the C library's locales: decimal conversions that never follow the
// process locale, and the separators of the locale the environment names.
#pragma once

#include <optional>
#include <string>

namespace platform {

// Correctly rounded conversions of a plain decimal text ("-12.5e3", "." as the point, in
// every process locale); overflow gives an infinity, underflow zero or a subnormal. The
// conversion stops at the first character that does not continue the number.
double ParseDecimal(const std::string& text);
float ParseDecimalSingle(const std::string& text);

// The decimal and digit-group separators of the LC_NUMERIC locale that the environment
// names, as that locale spells them (each may be several bytes, or empty); nothing when
// that locale cannot be loaded. Read anew on every call.
struct LocaleSeparators {
  std::string decimal;
  std::string group;
};
std::optional<LocaleSeparators> EnvironmentNumberSeparators();

}  // namespace platform
