#include <gtest/gtest.h>

#include "formkit/pipe_tables.h"

namespace formkit {
namespace {

TEST(StandardDiameter, PicksTheFirstSizeNotBelowTheDiameter) {
  EXPECT_EQ(StandardDiameterFor(-5.0), 3);
  EXPECT_EQ(StandardDiameterFor(0.0), 3);
  EXPECT_EQ(StandardDiameterFor(3.0), 3);
  EXPECT_EQ(StandardDiameterFor(8.0), 8);
  EXPECT_EQ(StandardDiameterFor(8.0004), 10);  // there is no 9
  EXPECT_EQ(StandardDiameterFor(10.5), 12);    // nor 11
  EXPECT_EQ(StandardDiameterFor(26.156), 28);
  EXPECT_EQ(StandardDiameterFor(60.0), 60);
  EXPECT_EQ(StandardDiameterFor(60.0001), std::nullopt);
  EXPECT_EQ(StandardDiameters().size(), 32u);
}

TEST(Fittings, VentAddsDraftHoodAndDamperBeforeTheMuffler) {
  ASSERT_EQ(VentFittings().size(), 15u);
  ASSERT_EQ(ExhaustFittings().size(), 13u);
  EXPECT_EQ(VentFittings()[12].control, "txtDraftHood");
  EXPECT_EQ(VentFittings()[12].k, 1.5f);
  EXPECT_EQ(VentFittings()[13].control, "txtBarometricDamper");
  EXPECT_EQ(VentFittings()[14].control, ExhaustFittings()[12].control);
}

}  // namespace
}  // namespace formkit
