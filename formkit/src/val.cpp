#include "formkit/fault.h"
#include "formkit/numbers.h"

namespace formkit {

double Val(std::string_view text) {
  double value = 0;
  if (platform::ReadLeadingNumber(text, value) != platform::NumberError::kOk) {
    throw Fault("overflow");
  }
  return value;
}

float ValSingle(std::string_view text) { return ToSingle(Val(text)); }

}  // namespace formkit
