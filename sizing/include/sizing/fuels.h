// The fuel list of the vent sizing program: list text, the CO2 text leaving the list writes,
// and the coefficients of the combustion products mass M = (p / CO2 + q) * r.
#pragma once

#include <span>
#include <string_view>

namespace sizing {

struct Fuel {
  std::string_view name;
  std::string_view co2_text;
  double p, q, r;
};

// Positions 0 to 5 of the fuel list.
std::span<const Fuel> Fuels();

}  // namespace sizing
