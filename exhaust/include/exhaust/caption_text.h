// The text a number becomes when it is assigned to a caption as it stands.
#pragma once

#include <string>

namespace exhaust {

// Like formkit::NumberText, but without the blank before a non-negative value and with a
// zero before the decimal point of a magnitude below 1: 4.77, 0.45, -0.45, 1.5E-05.
std::string CaptionText(float value);

}  // namespace exhaust
