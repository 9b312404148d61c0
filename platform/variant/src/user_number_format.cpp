#include <mutex>
#include <optional>

#include "platform/locale_numbers.h"
#include "platform/variant.h"

namespace platform {
namespace {

// The first character of a separator the locale spells in UTF-8, or u'\0' for none.
char16_t FirstChar(const std::string& utf8) {
  const std::u16string text = Utf8ToText(utf8);
  return text.empty() ? u'\0' : text[0];
}

NumberFormat EnvironmentFormat() {
  NumberFormat format{u'.', u'\0'};
  const auto separators = EnvironmentNumberSeparators();
  if (!separators) return format;
  if (const char16_t decimal = FirstChar(separators->decimal)) format.decimal = decimal;
  format.group = FirstChar(separators->group);
  return format;
}

std::mutex format_mutex;
std::optional<NumberFormat> pinned_format;

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

}  // namespace platform
