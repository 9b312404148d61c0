#pragma once

#include <string_view>
#include <vector>

#include "platform/variant.h"

namespace browser {

// What scripts call on an element that hosts a control (the page layer's CActiveXElement);
// CallActiveXMethod finds its element by id and needs nothing else of it.
class ControlScripting {
 public:
  virtual ~ControlScripting() = default;

  // Calls the control's method `name` with `arguments`, the first parameter first. True
  // when the control had such a method and took the arguments; `result` then holds its
  // answer. Nothing is called (false) when the element hosts no scriptable control.
  virtual bool InvokeMethod(std::string_view name, const std::vector<platform::Variant>& arguments,
                            platform::Variant& result) = 0;
};

}  // namespace browser
