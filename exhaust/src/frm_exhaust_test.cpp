#include <gtest/gtest.h>

#include "exhaust/frm_exhaust.h"
#include "formkit_testing.h"

namespace exhaust {
namespace {

class MainForm : public ::testing::Test {
 protected:
  formkit::RecordingHost host;
  FrmExhaust form{host};
};

TEST_F(MainForm, StartsEmptyWithTheTestButtonHidden) {
  EXPECT_EQ(form.Caption(), "Engine/Turbine Exhaust");
  for (const char* box : kJobBoxes) EXPECT_EQ(form.Text(box), "") << box;
  for (const char* label : kResultLabels) EXPECT_EQ(form.Text(label), "") << label;
  EXPECT_FALSE(form.At("cmdTest1").visible);
  EXPECT_EQ(form.Text("cmdCalc"), "Calculate");
}

TEST_F(MainForm, ShowAndHideTakeEffectOnTheChange) {
  form.SetText("txtJobDescription", "sHoW");
  EXPECT_TRUE(form.At("cmdTest1").visible);
  form.SetText("txtJobDescription", "show me");  // other text leaves it
  EXPECT_TRUE(form.At("cmdTest1").visible);
  form.SetText("txtJobDescription", "hide");
  EXPECT_FALSE(form.At("cmdTest1").visible);
  form.SetText("txtJobDescription", "show it");
  EXPECT_FALSE(form.At("cmdTest1").visible);
}

TEST_F(MainForm, TestButtonFillsTheJobWithoutCalculating) {
  form.SetText("txt45T", "3");
  form.cmdTest1_Click();
  EXPECT_EQ(form.Text("txtCustomer"), "This is the Customer Name");
  EXPECT_EQ(form.Text("txtJobDescription"), "This is the Job being Sized.");
  EXPECT_EQ(form.Text("txtFlowRate"), "15000");
  EXPECT_EQ(form.Text("txtMuffler"), "1");
  EXPECT_EQ(form.Text("txt45T"), "");
  EXPECT_EQ(form.Text("lblK"), "");
}

TEST_F(MainForm, EverythingBlankIsOneMessageAndAltitudeZero) {
  std::string blanks;
  form.Blank_Check(blanks);
  EXPECT_EQ(blanks, "Blanks");
  formkit::testing::ExpectOneMessage(host, "Missing Data",
                                     "You must provide values for: \n\r"
                                     "    Exhuast Temperature\n\r"
                                     "    Exhuast Flow Rate\n\r"
                                     "    Back Pressure Limit\n\r"
                                     "    Pipe Length");
  EXPECT_EQ(form.Text("txtAltitude"), "0");

  host.messages.clear();
  form.cmdCalc_Click();
  EXPECT_EQ(host.messages.size(), 1u);
  for (const char* label : kResultLabels) EXPECT_EQ(form.Text(label), "") << label;
}

TEST_F(MainForm, BlanksMeansSpacesOnly) {
  form.cmdTest1_Click();
  form.SetText("txtFlowRate", "   ");
  form.SetText("txtAltitude", "  ");
  form.SetText("txtPipeLength", "\t");  // a tab is not blank: it reads as 0
  std::string blanks;
  form.Blank_Check(blanks);
  EXPECT_EQ(blanks, "Blanks");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "You must provide values for: \n\r    Exhuast Flow Rate\n\r");
  EXPECT_EQ(form.Text("txtAltitude"), "0");

  host.messages.clear();
  form.SetText("txtFlowRate", "15000");
  form.Blank_Check(blanks);
  EXPECT_EQ(blanks, "No Blanks");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(MainForm, ClearAllKeepsThePressureDrop) {
  form.SetText("txtJobDescription", "show");
  form.cmdTest1_Click();
  form.cmdCalc_Click();
  form.mnuOptionsClearAll_Click();
  for (const char* box : kJobBoxes) EXPECT_EQ(form.Text(box), "") << box;
  for (const char* label : {"lblK", "lblCalcPipe", "lblStdPipe", "lblLocalBarometricPressure"})
    EXPECT_EQ(form.Text(label), "") << label;
  EXPECT_EQ(form.Text("lblActualDrop"), " 4");
  EXPECT_TRUE(form.At("cmdTest1").visible);
}

TEST(SelectAll, TheEighteenNumberBoxes) {
  int count = 0;
  for (const char* box : kJobBoxes) count += SelectsAllOnFocus(box);
  EXPECT_EQ(count, 18);
  EXPECT_FALSE(SelectsAllOnFocus("txtCustomer"));
  EXPECT_FALSE(SelectsAllOnFocus("txtJobDescription"));
  EXPECT_TRUE(SelectsAllOnFocus("txtExhaustTemp"));
}

}  // namespace
}  // namespace exhaust
