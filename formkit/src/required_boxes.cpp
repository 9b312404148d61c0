#include "formkit/required_boxes.h"

namespace formkit {

std::string MissingLines(const Form& form, std::span<const RequiredBox> required,
                         const std::function<bool(const std::string& text)>& missing,
                         std::string_view separator) {
  std::string lines;
  bool first = true;
  for (const RequiredBox& box : required) {
    if (!missing(form.Text(box.control))) continue;
    if (!first) lines += separator;
    lines += box.line;
    first = false;
  }
  return lines;
}

}  // namespace formkit
