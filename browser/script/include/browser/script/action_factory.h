#pragma once

#include <string_view>

#include "browser/script/script_item.h"

namespace browser {

// What a type name creates: kAction, kNoAction for a type name that documents use but that
// creates no action here (such items are dropped like
// unknown ones), or kUnknown.
enum class ActionTypeStatus { kAction, kNoAction, kUnknown };
ActionTypeStatus GetActionTypeStatus(std::string_view type_name);

}  // namespace browser
