#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <tuple>
#include <utility>

#include "exhaust/caption_text.h"
#include "exhaust/frm_exhaust.h"
#include "formkit_testing.h"

namespace exhaust {
namespace {

class Calculation : public ::testing::Test {
 protected:
  const std::string& L(const char* name) const { return form.Text(name); }
  std::map<std::string, std::string> Labels() const {
    return formkit::testing::TextsOf(form, kResultLabels);
  }
  // The test job without fittings, to vary one input at a time.
  void PlainJob() {
    form.cmdTest1_Click();
    for (const char* box : {"txt90T", "txt90L", "txtTaperedIncreaser", "txtDrainSection",
                            "txtMuffler"})
      form.SetText(box, "");
  }
  // Types the texts in and calculates.
  void Calculate(std::initializer_list<std::pair<const char*, const char*>> texts) {
    formkit::testing::SetTexts(form, texts);
    form.cmdCalc_Click();
  }

  formkit::RecordingHost host;
  FrmExhaust form{host};
};

TEST_F(Calculation, TestJobGivesTheWorkedExample) {
  form.cmdTest1_Click();
  form.cmdCalc_Click();
  EXPECT_EQ(L("lblK"), "4.77");
  EXPECT_EQ(L("lblCalcPipe"), " 20.11");
  EXPECT_EQ(L("lblStdPipe"), "22");
  EXPECT_EQ(L("lblLocalBarometricPressure"), " 28.51");
  EXPECT_EQ(L("lblActualDrop"), " 4");
  EXPECT_TRUE(host.messages.empty());
  // Nothing is carried between runs.
  const auto first = Labels();
  form.mnuCalculate_Click();
  EXPECT_EQ(Labels(), first);
}

TEST_F(Calculation, SeaLevelAndBlankAltitude) {
  form.cmdTest1_Click();
  Calculate({{"txtAltitude", "0"}});
  EXPECT_EQ(L("lblLocalBarometricPressure"), " 29.92");
  Calculate({{"lblLocalBarometricPressure", ""}, {"txtAltitude", "   "}});
  EXPECT_EQ(form.Text("txtAltitude"), "0");
  EXPECT_EQ(L("lblLocalBarometricPressure"), " 29.92");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Calculation, FittingCountsRoundHalfToEven) {
  float k = -1;
  form.FittingsK(k);
  EXPECT_EQ(k, 0.0f);  // every box empty
  form.SetText("txt90T", "1.5");
  form.FittingsK(k);
  EXPECT_EQ(k, 2.5f);
  form.SetText("txt90T", "2.5");
  form.FittingsK(k);
  EXPECT_EQ(k, 2.5f);
  form.SetText("txt90T", "");
  form.SetText("txt90Y", "2");
  form.FittingsK(k);
  EXPECT_EQ(k, static_cast<float>(2 * static_cast<double>(0.60f)));
  form.SetText("txt90Y", "12abc");  // read by its leading numeric part
  form.FittingsK(k);
  EXPECT_EQ(k, static_cast<float>(12 * static_cast<double>(0.60f)));
}

TEST_F(Calculation, SmallValuesKeepOrDropTheLeadingZero) {
  PlainJob();
  Calculate({{"txtFlowRate", "100"}, {"txtPipeLength", "5"}});
  // Below 1: lblK keeps its zero, the others are written with a blank and no zero.
  EXPECT_EQ(L("lblK"), "0.67");
  EXPECT_EQ(L("lblCalcPipe"), " .99");
  EXPECT_EQ(L("lblStdPipe"), "3");
  EXPECT_EQ(L("lblActualDrop"), " .07");
  EXPECT_TRUE(host.messages.empty());

  EXPECT_EQ(CaptionText(4.77f), "4.77");
  EXPECT_EQ(CaptionText(0.45f), "0.45");
  EXPECT_EQ(CaptionText(-0.45f), "-0.45");
  EXPECT_EQ(CaptionText(0.0f), "0");
  EXPECT_EQ(CaptionText(1.5e-5f), "1.5E-05");
}

TEST_F(Calculation, ZeroFlowGivesTheSmallestSize) {
  PlainJob();
  Calculate({{"txtFlowRate", "0"}});
  EXPECT_EQ(L("lblCalcPipe"), " 0");
  EXPECT_EQ(L("lblStdPipe"), "3");
  EXPECT_EQ(L("lblActualDrop"), " 0");
}

TEST_F(Calculation, AboveSixtyInALaterPassKeepsTheLastSize) {
  // Pass 1 (K = 5) fits a standard size; the fittings then push D above 60 for good.
  PlainJob();
  Calculate({{"txtFlowRate", "100000"}, {"txtExitCone", "40"}});
  EXPECT_EQ(L("lblStdPipe"), "Out of Range");
  EXPECT_GT(std::stod(L("lblCalcPipe")), 60.0);
  EXPECT_FALSE(L("lblK").empty());
  EXPECT_FALSE(L("lblActualDrop").empty());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Calculation, AboveSixtyInTheFirstPassHasNoStandardSize) {
  PlainJob();
  Calculate({{"txtFlowRate", "1000000"}});
  EXPECT_EQ(L("lblStdPipe"), "Out of Range");
  EXPECT_GT(std::stod(L("lblCalcPipe")), 60.0);
  EXPECT_EQ(L("lblLocalBarometricPressure"), " 28.51");
  EXPECT_EQ(L("lblK"), "");
  EXPECT_EQ(L("lblActualDrop"), "");
  EXPECT_TRUE(host.messages.empty());
}

// Values the formulas have no answer for: one message naming the value, no label changes.
TEST_F(Calculation, UnusableValuesAreRefusedByName) {
  // The box, the text typed into it, and how the message names it.
  const std::tuple<const char*, const char*, const char*> kCases[] = {
      {"txtDropLimit", "0", "Back Pressure Limit \"0\""},
      {"txtDropLimit", "-2", "Back Pressure Limit \"-2\""},
      {"txtExhaustTemp", "-460", "Exhaust Temperature \"-460\""},
      {"txtExhaustTemp", "-1000", "Exhaust Temperature \"-1000\""},
      {"txtFlowRate", "-1", "Exhaust Flow Rate \"-1\""},
      {"txtMuffler", "32768", "Muffler count \"32768\""},
      {"txt90Y", "-32769", "90 Wye count \"-32769\""},
      {"txt45L", "1e39", "45 Elbow count \"1e39\""},
      {"txtPipeLength", "1e39", "Pipe Length \"1e39\""},
      {"txtAltitude", "1e30", "Altitude \"1e30\""},
      {"txtPipeLength", "-5000", "System K"},
  };
  form.cmdTest1_Click();
  form.cmdCalc_Click();
  const auto before = Labels();
  for (const auto& [box, text, named] : kCases) {
    SCOPED_TRACE(std::string(box) + " = " + text);
    form.cmdTest1_Click();
    form.SetText(box, text);
    host.messages.clear();
    ASSERT_NO_THROW(form.cmdCalc_Click());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, kProgramTitle);
    EXPECT_NE(host.messages[0].text.find(named), std::string::npos) << host.messages[0].text;
    EXPECT_EQ(Labels(), before);
  }
}

TEST_F(Calculation, OverflowingResultIsRefusedNotShown) {
  // A first pass of 48 inches, then a huge pipe length over a temperature just above
  // absolute zero: the drop is too large for single precision.
  PlainJob();
  Calculate({{"txtExhaustTemp", "-459.99"},
             {"txtFlowRate", "1e5"},
             {"txtDropLimit", "1e6"},
             {"txtPipeLength", "3e38"}});
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("Calculated Pressure Drop"), std::string::npos);
  EXPECT_EQ(L("lblK"), "");
}

}  // namespace
}  // namespace exhaust
