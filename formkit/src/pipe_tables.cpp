#include "formkit/pipe_tables.h"

namespace formkit {
namespace {

constexpr std::array<int, 31> kDiameters = {3,  4,  5,  6,  7,  8,  10, 12, 14, 16, 18,
                                            20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40,
                                            42, 44, 46, 48, 50, 52, 54, 56, 58};
// (60 is appended below so the list reads like the rule: ... 58, 60.)
constexpr std::array<int, 32> kStandard = [] {
  std::array<int, 32> all{};
  for (size_t i = 0; i < kDiameters.size(); ++i) all[i] = kDiameters[i];
  all[31] = 60;
  return all;
}();

constexpr Fitting k90Tee{"txt90T", "90 Tee", 1.25f, "1.25", "90 Tee:"};
constexpr Fitting k90Wye{"txt90Y", "90 Wye", 0.60f, "0.60", "90 Wye:"};
constexpr Fitting k90Elbow{"txt90L", "90 Elbow", 0.30f, "0.30", "90 Elbow:"};
constexpr Fitting k45Tee{"txt45T", "45 Tee", 0.40f, "0.40", "45 Tee:"};
constexpr Fitting k45Elbow{"txt45L", "45 Elbow", 0.15f, "0.15", "45 Elbow:"};
constexpr Fitting k30Elbow{"txt30L", "30 Elbow", 0.12f, "0.12", "30 Elbow:"};
constexpr Fitting kTaperedIncreaser{"txtTaperedIncreaser", "Tapered Increaser", 0.30f, "0.30",
                                    "Tapered Increaser:"};
constexpr Fitting kStepIncreaser{"txtStepIncreaser", "Step Increaser", 0.45f, "0.45",
                                 "Step Increaser:"};
constexpr Fitting kExitCone{"txtExitCone", "Exit Cone", 1.25f, "1.25", "Exit Cone:"};
constexpr Fitting kStackCap{"txtStackCap", "Stack Cap", 0.50f, "0.50", "Stack Cap:"};
constexpr Fitting kDrainSection{"txtDrainSection", "Drain Section", 0.25f, "0.25",
                                "Drain Section:"};
constexpr Fitting kLinedBellows{"txtLinedBellows", "Lined Bellows", 0.08f, "0.08", "Lined Bellow:"};
constexpr Fitting kDraftHood{"txtDraftHood", "Draft Hood", 1.50f, "1.50", "Draft Hood:"};
constexpr Fitting kBarometricDamper{"txtBarometricDamper", "Barometric Damper", 0.50f, "0.50",
                                    "Barometric Damper:"};
constexpr Fitting kMuffler{"txtMuffler", "Muffler", 0.40f, "0.40", "Muffler:"};

constexpr std::array<Fitting, 15> kVent = {
    k90Tee,    k90Wye,    k90Elbow,      k45Tee,        k45Elbow,
    k30Elbow,  kTaperedIncreaser, kStepIncreaser, kExitCone, kStackCap,
    kDrainSection, kLinedBellows, kDraftHood, kBarometricDamper, kMuffler};
constexpr std::array<Fitting, 13> kExhaust = {
    k90Tee,   k90Wye,           k90Elbow,       k45Tee,    k45Elbow,      k30Elbow, kTaperedIncreaser,
    kStepIncreaser, kExitCone, kStackCap, kDrainSection, kLinedBellows, kMuffler};

}  // namespace

std::span<const int> StandardDiameters() { return kStandard; }

std::optional<int> StandardDiameterFor(double diameter) {
  for (int size : kStandard)
    if (diameter <= size) return size;
  return std::nullopt;
}

std::span<const Fitting> VentFittings() { return kVent; }
std::span<const Fitting> ExhaustFittings() { return kExhaust; }

}  // namespace formkit
