#include "exhaust/caption_text.h"

#include "formkit/numbers.h"

namespace exhaust {

std::string CaptionText(float value) {
  const std::string number = formkit::NumberText(value);
  // NumberText starts with the sign position: a blank or "-".
  const std::string sign = number[0] == '-' ? "-" : "";
  std::string magnitude = number.substr(1);
  if (magnitude[0] == '.') magnitude = "0" + magnitude;
  return sign + magnitude;
}

}  // namespace exhaust
