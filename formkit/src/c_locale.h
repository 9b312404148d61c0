// Locale-independent decimal conversions (the programs' own numbers always use ".").
#pragma once

#include <string>

namespace formkit::internal {

// Correctly rounded conversions of a plain decimal text ("-12.5e3"); overflow gives an
// infinity, underflow zero or a subnormal.
double ParseDouble(const std::string& text);
float ParseSingle(const std::string& text);

}  // namespace formkit::internal
