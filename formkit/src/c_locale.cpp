#include "c_locale.h"

#include <locale.h>
#include <stdlib.h>

namespace formkit::internal {
namespace {

locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

}  // namespace

double ParseDouble(const std::string& text) { return strtod_l(text.c_str(), nullptr, CLocale()); }
float ParseSingle(const std::string& text) { return strtof_l(text.c_str(), nullptr, CLocale()); }

}  // namespace formkit::internal
