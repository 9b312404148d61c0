#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <utility>

#include "form_fixture.h"
#include "formkit_testing.h"
#include "sizing/frm_sizing.h"

namespace sizing {
namespace {

using formkit::testing::SetTexts;

class Calculation : public testing::FormFixture {
 protected:
  const std::string& L(const char* name) const { return form.Text(name); }
  std::map<std::string, std::string> Labels() const {
    return formkit::testing::TextsOf(form, kResultLabels);
  }

  // A natural-draft job without fittings or warnings, to vary one input at a time.
  void PlainJob() {
    SetTexts(form, {{"txtBTU", "500000"},
                    {"txtFlueTempRise", "300"},
                    {"txtCO2", "8"},
                    {"txtSysHeight", "30"},
                    {"txtSysLength", "10"}});
  }
  // Types the texts in and calculates.
  void Calculate(std::initializer_list<std::pair<const char*, const char*>> texts) {
    SetTexts(form, texts);
    form.cmdCalculate_Click();
  }
};

TEST_F(Calculation, TestJobGivesTheWorkedExample) {
  form.cmdTest_Click();
  EXPECT_EQ(form.M(), 1.538f);
  EXPECT_EQ(form.I(), 12075886.0f);
  EXPECT_EQ(form.Kf(), 5.25f);
  const std::map<std::string, std::string> worked_example = {
      {"lblComputedSize", " 26.156"},   {"lblPipeDiameter", "28"},
      {"lblSystemK", " 18.161"},        {"lblTheoreticalDraft", " 2.151"},
      {"lblDeltaP", " 2.151"},          {"lblCO2", "5.3"},
      {"lblCombustionMass", " 1.538"},  {"lblLocalBarometricPressure", " 23.97"},
      {"lblFlueGasDensity", " .03873"}, {"lblFlueGasVolume", " 8207"},
      {"lblFlueGasVelocity", " 1869"},  {"lblTotalSystemLosses", " 2.151"},
      {"lblFanRequirement", "N/A"}};
  EXPECT_EQ(Labels(), worked_example);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Calculation, StateCarriesOverAndRepeatsIdentically) {
  form.cmdTest_Click();
  const auto first = Labels();
  form.mnuCalculate_Click();
  EXPECT_EQ(Labels(), first);
}

TEST_F(Calculation, BadCo2KeepsThePreviousMassAndTheRestRuns) {
  form.cmdTest_Click();
  Calculate({{"txtCO2", "abc"}, {"txtSysHeight", "300"}});
  EXPECT_EQ(L("lblCombustionMass"), " 1.538");
  EXPECT_EQ(form.M(), 1.538f);
  EXPECT_EQ(L("lblCO2"), "abc");
  EXPECT_NE(L("lblComputedSize"), " 26.156");  // the new height was used
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Missing   CO2 %");
}

TEST_F(Calculation, MassIsZeroAfterStartWhenCo2IsEmpty) {
  PlainJob();
  Calculate({{"txtCO2", ""}});
  EXPECT_EQ(form.M(), 0.0f);
  EXPECT_EQ(L("lblCombustionMass"), "");
  // D = 0 with no mass: the smallest standard size.
  EXPECT_EQ(L("lblComputedSize"), " 0");
  EXPECT_EQ(L("lblPipeDiameter"), "3");
}

TEST_F(Calculation, InducedDraftUsesTheFanDiameterInEveryPass) {
  PlainJob();
  form.SelectInducedDraft(true);
  Calculate({{"txtDiameter", "9"}});
  EXPECT_EQ(L("lblComputedSize"), " 9");
  EXPECT_EQ(L("lblPipeDiameter"), "10");
  EXPECT_TRUE(L("lblFanRequirement") == "Not Required" || L("lblFanRequirement")[0] == ' ');
}

TEST_F(Calculation, FanRequiredReplacesDeltaPWithTheLoss) {
  PlainJob();
  SetTexts(form, {{"txtSysHeight", "5"}, {"txtSysLength", "2"}, {"txt90L", "6"}});
  form.SelectInducedDraft(true);
  Calculate({{"txtDiameter", "3"}});
  ASSERT_NE(L("lblFanRequirement"), "Not Required");
  ASSERT_NE(L("lblFanRequirement"), "");
  EXPECT_EQ(L("lblDeltaP"), L("lblTotalSystemLosses"));
  EXPECT_GT(std::stod(L("lblDeltaP")), std::stod(L("lblTheoreticalDraft")));
}

TEST_F(Calculation, NoFanNeededKeepsTheAvailableDraft) {
  PlainJob();
  form.SelectInducedDraft(true);
  Calculate({{"txtDiameter", "24"}});
  EXPECT_EQ(L("lblFanRequirement"), "Not Required");
  EXPECT_EQ(L("lblDeltaP"), L("lblTheoreticalDraft"));
}

TEST_F(Calculation, AboveSixtyInchesShowsOutOfRangeAndStops) {
  form.cmdTest_Click();
  const std::string old_k = L("lblSystemK");
  Calculate({{"txtBTU", "900000000"}});
  EXPECT_EQ(L("lblPipeDiameter"), "Out of Range");
  EXPECT_EQ(L("lblSystemK"), old_k);
  EXPECT_EQ(L("lblComputedSize"), " 26.156");
}

TEST_F(Calculation, NonPositiveDraftEndsInTheFirstPass) {
  form.cmdTest_Click();
  Calculate({{"txtOutletDraft", "-5"}, {"txtSysHeight", "300"}});
  EXPECT_EQ(L("lblPipeDiameter"), "28");
  EXPECT_EQ(L("lblTheoreticalDraft"), " 2.151");
  // CombustionMass runs before the fault and writes its label again.
  EXPECT_EQ(L("lblCombustionMass"), " 1.538");
}

TEST_F(Calculation, ZeroSystemKFaultsInPassTwo) {
  PlainJob();
  Calculate({{"txtSysHeight", "0"}, {"txtSysLength", "0"}, {"txtOutletDraft", ".1"}});
  // Pass 1 wrote a standard diameter; nothing after it.
  EXPECT_FALSE(L("lblPipeDiameter").empty());
  EXPECT_EQ(L("lblSystemK"), "");
}

TEST_F(Calculation, FittingCountsRoundHalfToEvenAndOverflowFaults) {
  PlainJob();
  Calculate({{"txt90T", "2.5"}, {"txt90L", "3.5"}});
  EXPECT_EQ(form.Kf(), static_cast<float>(2 * 1.25 + 4 * static_cast<double>(0.30f)));
  form.mnuOptionsClearAll_Click();
  PlainJob();
  Calculate({{"txtMuffler", "40000"}});
  // Pass 1 writes its standard size before the counts are read; the fault stops the rest.
  EXPECT_FALSE(L("lblPipeDiameter").empty());
  EXPECT_EQ(L("lblSystemK"), "");
}

TEST_F(Calculation, FittingsSumIsKeptInSinglePrecisionAtEveryStep) {
  PlainJob();
  Calculate({{"txt90Y", "2"},      {"txt90L", "7"},          {"txt45T", "7"},
             {"txt45L", "7"},      {"txtExitCone", "1"},     {"txtStackCap", "7"},
             {"txtDrainSection", "1"}, {"txtLinedBellows", "1"}, {"txtDraftHood", "3"},
             {"txtBarometricDamper", "1"}, {"txtMuffler", "7"}});
  // Summed in double and stored once it would be 20.0300007f.
  EXPECT_EQ(form.Kf(), 20.029998779296875f);
}

TEST_F(Calculation, CombinedVentMultipliesEachPassOnce) {
  PlainJob();
  Calculate({{"txtDraftHood", "1"}});
  const double plain_k = std::stod(L("lblSystemK"));
  form.SetValue("chkCombinedVent", 1);
  form.cmdCalculate_Click();
  const double combined_k = std::stod(L("lblSystemK"));
  EXPECT_GT(combined_k, plain_k * 1.3);
  EXPECT_LT(combined_k, plain_k * 1.7);
}

TEST_F(Calculation, UnreadableInputBeforeTheChecksShowsNoMessage) {
  Calculate({{"txtSysLength", "1e39"}});  // beyond single precision
  EXPECT_TRUE(host.messages.empty());
  for (const char* label : kResultLabels) EXPECT_EQ(L(label), "") << label;
}

}  // namespace
}  // namespace sizing
