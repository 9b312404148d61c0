#include "formkit/fault.h"

#include <cfenv>
#include <cmath>

namespace formkit {

double Checked(double value) {
  if (std::isnan(value)) throw Fault("invalid operation");
  if (std::isinf(value)) throw Fault("overflow");
  return value;
}

double Div(double numerator, double denominator) {
  if (denominator == 0.0) throw Fault("division by zero");
  return Checked(numerator / denominator);
}

double Sqrt(double value) {
  if (value < 0.0) throw Fault("invalid procedure call");
  return Checked(std::sqrt(value));
}

float ToSingle(double value) {
  Checked(value);
  const float single = static_cast<float>(value);
  if (std::isinf(single)) throw Fault("overflow");
  return single;
}

int16_t ToInteger16(double value) {
  Checked(value);
  // nearbyint rounds in the current mode, which is always round-to-nearest-even here.
  const double whole = std::nearbyint(value);
  if (whole < -32768.0 || whole > 32767.0) throw Fault("overflow");
  return static_cast<int16_t>(whole);
}

}  // namespace formkit
