// Comparing control texts without regard to case, as the form programs compare the job
// description with "SHOW" and "HIDE": ASCII letters only, every other byte as it is.
#pragma once

#include <string>
#include <string_view>

namespace formkit {

std::string UpperAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace formkit
