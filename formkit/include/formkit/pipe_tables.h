// Standard pipe diameters and the resistance coefficients of the pipe fittings.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace formkit {

// Standard diameters in inches: 3 to 8, 10, then every even number from 12 to 60.
std::span<const int> StandardDiameters();

// The first standard diameter S with diameter <= S; none above 60 ("Out of Range").
std::optional<int> StandardDiameterFor(double diameter);

// One fitting kind: the text box that holds its count, its name as shown in tables and
// reports, and its resistance coefficient K per fitting (a single-precision constant).
struct Fitting {
  std::string_view control;
  std::string_view name;
  float k;
  std::string_view k_text;  // K with two decimals, as the K-factor tables show it
  std::string_view mail;    // the label of its line in the results e-mail: "90 Tee:"
};

// The vent program's fifteen fittings, in the order of its form, files and sums.
std::span<const Fitting> VentFittings();
// The exhaust program's thirteen fittings (no draft hood, no barometric damper).
std::span<const Fitting> ExhaustFittings();

}  // namespace formkit
