// The keys each kind of object reads from its section, as the browser loads it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cdztool {

enum class ObjectKind {
  kMain,       // the document's globals and its page
  kImage,
  kImageList,
  kText,
  kActiveX,
  kScript,
  kItem,       // a script item; its action's own keys come from ActionKeys
  kFrame,      // a frame of an image list
  kParam,      // a parameter of a control method call
  kProperty,   // one assignment of a multi-property SetProperty
};

// Keys of that kind of object (without an action's own keys), in no particular order.
const std::vector<std::string>& KindKeys(ObjectKind kind);
// An action's own keys by its type name; empty for a name that is no action.
const std::vector<std::string>& ActionKeys(std::string_view type_name);
// Every type name the action factory knows, in its order.
const std::vector<std::string>& ActionTypeNames();
// The events the browser fires by name.
const std::vector<std::string>& EventNames();

}  // namespace cdztool
