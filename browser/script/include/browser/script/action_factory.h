#pragma once

#include <string_view>

#include "browser/script/script_item.h"

namespace browser {

// Whether this build creates an action for a type name: kBuilt, kNotBuiltYet for a type name
// that documents use but whose action this build does not have (such items are dropped like
// unknown ones), or kUnknown.
enum class ActionTypeStatus { kBuilt, kNotBuiltYet, kUnknown };
ActionTypeStatus GetActionTypeStatus(std::string_view type_name);

}  // namespace browser
