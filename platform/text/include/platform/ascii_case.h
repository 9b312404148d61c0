// Comparing texts without regard to case, as the programs compare keywords ("SHOW", "true"):
// ASCII letters only, every other character as it is.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::string UpperAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b);

}  // namespace platform
