#include "formkit/quantity.h"

#include <stdexcept>
#include <string>

namespace formkit {

const Quantity& QuantityOf(std::span<const Quantity> table, std::string_view control) {
  for (const Quantity& q : table)
    if (q.control == control) return q;
  throw std::out_of_range("no quantity named " + std::string(control));
}

}  // namespace formkit
