#include "sizing/fuels.h"

#include <array>

namespace sizing {

std::span<const Fuel> Fuels() {
  static constexpr std::array<Fuel, 6> kFuels = {{
      {"Natural Gas", "5.3", 10.72, 0.159, 0.705},
      {"LPG", "6.0", 12.61, 0.144, 0.706},
      {"No. 2 Oil (Light)", "9.0", 14.4, 0.12, 0.72},
      {"No. 6 Oil (Heavy)", "13.5", 15.8, 0.12, 0.72},
      {"Waste or Wood", "9.0", 19.7, 0.16, 0.69},
      {"Coal", "", 18.2, 0.11, 0.76},
  }};
  return kFuels;
}

}  // namespace sizing
