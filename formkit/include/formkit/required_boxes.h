// The boxes a form needs filled in before it calculates, and the list of those still
// missing that its message names.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "formkit/form.h"

namespace formkit {

struct RequiredBox {
  const char* control;
  const char* line;  // what the message says for it, its blanks and line ends included
};

// The lines of the `required` boxes whose text `missing` holds for, in their order, with
// `separator` between two; empty when none is missing. An exception from `missing` ends the
// list and passes on.
std::string MissingLines(const Form& form, std::span<const RequiredBox> required,
                         const std::function<bool(const std::string& text)>& missing,
                         std::string_view separator = "");

}  // namespace formkit
