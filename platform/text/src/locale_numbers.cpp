#include "platform/locale_numbers.h"

#include <langinfo.h>
#include <locale.h>
#include <stdlib.h>

namespace platform {
namespace {

locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

std::string Text(const char* text) { return text ? text : ""; }

}  // namespace

double ParseDecimal(const std::string& text) { return strtod_l(text.c_str(), nullptr, CLocale()); }

float ParseDecimalSingle(const std::string& text) {
  return strtof_l(text.c_str(), nullptr, CLocale());
}

std::optional<LocaleSeparators> EnvironmentNumberSeparators() {
  const locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (user == static_cast<locale_t>(nullptr)) return std::nullopt;
  LocaleSeparators separators{Text(nl_langinfo_l(RADIXCHAR, user)),
                              Text(nl_langinfo_l(THOUSEP, user))};
  freelocale(user);
  return separators;
}

}  // namespace platform
