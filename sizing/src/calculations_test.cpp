#include <gtest/gtest.h>

#include "formkit/host.h"
#include "sizing/frm_sizing.h"

namespace sizing {
namespace {

class Calculation : public ::testing::Test {
 protected:
  void SetUp() override { form.Form_Load(); }
  const std::string& L(const char* name) const { return form.Text(name); }

  // A natural-draft job without fittings or warnings, to vary one input at a time.
  void PlainJob() {
    form.SetText("txtBTU", "500000");
    form.SetText("txtFlueTempRise", "300");
    form.SetText("txtCO2", "8");
    form.SetText("txtSysHeight", "30");
    form.SetText("txtSysLength", "10");
  }

  formkit::RecordingHost host;
  FrmSizing form{host, formkit::NumberFormat{'.', ','}};
};

TEST_F(Calculation, TestJobGivesTheWorkedExample) {
  form.cmdTest_Click();
  EXPECT_EQ(form.M(), 1.538f);
  EXPECT_EQ(form.I(), 12075886.0f);
  EXPECT_EQ(form.Kf(), 5.25f);
  EXPECT_EQ(L("lblComputedSize"), " 26.156");
  EXPECT_EQ(L("lblPipeDiameter"), "28");
  EXPECT_EQ(L("lblSystemK"), " 18.161");
  EXPECT_EQ(L("lblTheoreticalDraft"), " 2.151");
  EXPECT_EQ(L("lblDeltaP"), " 2.151");
  EXPECT_EQ(L("lblCO2"), "5.3");
  EXPECT_EQ(L("lblCombustionMass"), " 1.538");
  EXPECT_EQ(L("lblLocalBarometricPressure"), " 23.97");
  EXPECT_EQ(L("lblFlueGasDensity"), " .03873");
  EXPECT_EQ(L("lblFlueGasVolume"), " 8207");
  EXPECT_EQ(L("lblFlueGasVelocity"), " 1869");
  EXPECT_EQ(L("lblTotalSystemLosses"), " 2.151");
  EXPECT_EQ(L("lblFanRequirement"), "N/A");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Calculation, StateCarriesOverAndRepeatsIdentically) {
  form.cmdTest_Click();
  std::vector<std::string> first;
  for (const char* label : kResultLabels) first.push_back(L(label));
  form.mnuCalculate_Click();
  for (size_t i = 0; i < first.size(); ++i) EXPECT_EQ(L(kResultLabels[i]), first[i]);
}

TEST_F(Calculation, BadCo2KeepsThePreviousMassAndTheRestRuns) {
  form.cmdTest_Click();
  form.SetText("txtCO2", "abc");
  form.SetText("txtSysHeight", "300");
  form.cmdCalculate_Click();
  EXPECT_EQ(L("lblCombustionMass"), " 1.538");
  EXPECT_EQ(form.M(), 1.538f);
  EXPECT_EQ(L("lblCO2"), "abc");
  EXPECT_NE(L("lblComputedSize"), " 26.156");  // the new height was used
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Missing   CO2 %");
}

TEST_F(Calculation, MassIsZeroAfterStartWhenCo2IsEmpty) {
  PlainJob();
  form.SetText("txtCO2", "");
  form.cmdCalculate_Click();
  EXPECT_EQ(form.M(), 0.0f);
  EXPECT_EQ(L("lblCombustionMass"), "");
  // D = 0 with no mass: the smallest standard size.
  EXPECT_EQ(L("lblComputedSize"), " 0");
  EXPECT_EQ(L("lblPipeDiameter"), "3");
}

TEST_F(Calculation, InducedDraftUsesTheFanDiameterInEveryPass) {
  PlainJob();
  form.SelectInducedDraft(true);
  form.SetText("txtDiameter", "9");
  form.cmdCalculate_Click();
  EXPECT_EQ(L("lblComputedSize"), " 9");
  EXPECT_EQ(L("lblPipeDiameter"), "10");
  EXPECT_TRUE(L("lblFanRequirement") == "Not Required" || L("lblFanRequirement")[0] == ' ');
}

TEST_F(Calculation, FanRequiredReplacesDeltaPWithTheLoss) {
  PlainJob();
  form.SetText("txtSysHeight", "5");
  form.SetText("txtSysLength", "2");
  form.SetText("txt90L", "6");
  form.SelectInducedDraft(true);
  form.SetText("txtDiameter", "3");
  form.cmdCalculate_Click();
  ASSERT_NE(L("lblFanRequirement"), "Not Required");
  ASSERT_NE(L("lblFanRequirement"), "");
  EXPECT_EQ(L("lblDeltaP"), L("lblTotalSystemLosses"));
  EXPECT_GT(std::stod(L("lblDeltaP")), std::stod(L("lblTheoreticalDraft")));
}

TEST_F(Calculation, NoFanNeededKeepsTheAvailableDraft) {
  PlainJob();
  form.SelectInducedDraft(true);
  form.SetText("txtDiameter", "24");
  form.cmdCalculate_Click();
  EXPECT_EQ(L("lblFanRequirement"), "Not Required");
  EXPECT_EQ(L("lblDeltaP"), L("lblTheoreticalDraft"));
}

TEST_F(Calculation, AboveSixtyInchesShowsOutOfRangeAndStops) {
  form.cmdTest_Click();
  const std::string old_k = L("lblSystemK");
  form.SetText("txtBTU", "900000000");
  form.cmdCalculate_Click();
  EXPECT_EQ(L("lblPipeDiameter"), "Out of Range");
  EXPECT_EQ(L("lblSystemK"), old_k);
  EXPECT_EQ(L("lblComputedSize"), " 26.156");
}

TEST_F(Calculation, NonPositiveDraftEndsInTheFirstPass) {
  form.cmdTest_Click();
  form.SetText("txtOutletDraft", "-5");
  form.SetText("txtSysHeight", "300");
  form.cmdCalculate_Click();
  EXPECT_EQ(L("lblPipeDiameter"), "28");
  EXPECT_EQ(L("lblTheoreticalDraft"), " 2.151");
  // CombustionMass runs before the fault and writes its label again.
  EXPECT_EQ(L("lblCombustionMass"), " 1.538");
}

TEST_F(Calculation, ZeroSystemKFaultsInPassTwo) {
  PlainJob();
  form.SetText("txtSysHeight", "0");
  form.SetText("txtSysLength", "0");
  form.SetText("txtOutletDraft", ".1");
  form.cmdCalculate_Click();
  // Pass 1 wrote a standard diameter; nothing after it.
  EXPECT_FALSE(L("lblPipeDiameter").empty());
  EXPECT_EQ(L("lblSystemK"), "");
}

TEST_F(Calculation, FittingCountsRoundHalfToEvenAndOverflowFaults) {
  PlainJob();
  form.SetText("txt90T", "2.5");
  form.SetText("txt90L", "3.5");
  form.cmdCalculate_Click();
  EXPECT_EQ(form.Kf(), static_cast<float>(2 * 1.25 + 4 * static_cast<double>(0.30f)));
  form.mnuOptionsClearAll_Click();
  PlainJob();
  form.SetText("txtMuffler", "40000");
  form.cmdCalculate_Click();
  // Pass 1 writes its standard size before the counts are read; the fault stops the rest.
  EXPECT_FALSE(L("lblPipeDiameter").empty());
  EXPECT_EQ(L("lblSystemK"), "");
}

TEST_F(Calculation, FittingsSumIsKeptInSinglePrecisionAtEveryStep) {
  PlainJob();
  const std::pair<const char*, const char*> counts[] = {
      {"txt90Y", "2"},      {"txt90L", "7"},          {"txt45T", "7"},
      {"txt45L", "7"},      {"txtExitCone", "1"},     {"txtStackCap", "7"},
      {"txtDrainSection", "1"}, {"txtLinedBellows", "1"}, {"txtDraftHood", "3"},
      {"txtBarometricDamper", "1"}, {"txtMuffler", "7"}};
  for (const auto& [box, count] : counts) form.SetText(box, count);
  form.cmdCalculate_Click();
  // Summed in double and stored once it would be 20.0300007f.
  EXPECT_EQ(form.Kf(), 20.029998779296875f);
}

TEST_F(Calculation, CombinedVentMultipliesEachPassOnce) {
  PlainJob();
  form.SetText("txtDraftHood", "1");
  form.cmdCalculate_Click();
  const double plain_k = std::stod(L("lblSystemK"));
  form.SetValue("chkCombinedVent", 1);
  form.cmdCalculate_Click();
  const double combined_k = std::stod(L("lblSystemK"));
  EXPECT_GT(combined_k, plain_k * 1.3);
  EXPECT_LT(combined_k, plain_k * 1.7);
}

TEST_F(Calculation, UnreadableInputBeforeTheChecksShowsNoMessage) {
  form.SetText("txtSysLength", "1e39");  // beyond single precision
  form.cmdCalculate_Click();
  EXPECT_TRUE(host.messages.empty());
  for (const char* label : kResultLabels) EXPECT_EQ(L(label), "") << label;
}

}  // namespace
}  // namespace sizing
