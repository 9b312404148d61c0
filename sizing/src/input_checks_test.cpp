#include <gtest/gtest.h>

#include "form_fixture.h"
#include "formkit_testing.h"
#include "sizing/frm_sizing.h"

namespace sizing {
namespace {

using formkit::testing::ExpectOneMessage;

class InputChecks : public testing::FormFixture {
 protected:
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : host.messages) texts.push_back(m.text);
    return texts;
  }
};

TEST_F(InputChecks, AllRequiredValuesMissingGiveOneMessage) {
  form.ValueCheck();
  ExpectOneMessage(host, "Pipe Sizing",
                   "Missing  BTU,  Flue Gas Temperature Rise,  CO2 %,  System Vertical");
}

TEST_F(InputChecks, ZeroAndNonNumericAreMissingNegativeIsNot) {
  form.SetText("txtBTU", "abc");
  form.SetText("txtFlueTempRise", "-1");
  form.SetText("txtCO2", "5.3");
  form.SetText("txtSysHeight", "0");
  form.ValueCheck();
  EXPECT_EQ(Texts(), std::vector<std::string>{"Missing  BTU,  System Vertical"});
  host.messages.clear();
  form.SetText("txtBTU", "1");
  form.SetText("txtSysHeight", "-1");
  form.ValueCheck();
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(InputChecks, CombinedVentWarningsComeInOrderAndTheCalculationRuns) {
  form.cmdTest_Click();
  host.messages.clear();
  form.SetText("txtDraftHood", "");
  form.SelectInducedDraft(true);
  form.SetText("txtDiameter", "20");
  form.cmdCalculate_Click();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Combined vent is for use with Draft Hoods",
                                               "Combined Vent can not be used with Induced Draft"}));
  EXPECT_EQ(form.Text("lblComputedSize"), " 20");
  // Nothing is remembered: the same warnings come again.
  form.cmdCalculate_Click();
  EXPECT_EQ(host.messages.size(), 4u);
}

TEST_F(InputChecks, HorizontalLongerThanVerticalWarns) {
  form.SetText("txtSysLength", "80");
  form.txtSysLength_LostFocus();
  ExpectOneMessage(host, "WARNING",
                   "System Horizontal is longer than System Vertical\r\n\r\n"
                   "For Catagory 1 or Catagory 2 appliances, the total system \n"
                   "vertical must be greater than the system horizontal, to the \n"
                   "farthest appliance per NFPA 54. \r\n\r\n"
                   "This does not apply to Forced-Draft or Induced Draft Systems.");
}

TEST_F(InputChecks, EqualOrNegativeLengthsDoNotWarn) {
  form.SetText("txtSysLength", "80");
  form.SetText("txtSysHeight", "80");
  form.txtSysHeight_LostFocus();
  form.SetText("txtSysLength", "-90");
  form.txtSysLength_LostFocus();
  form.SetText("txtSysLength", "90");
  form.SetText("txtSysHeight", "-1");
  form.txtSysHeight_LostFocus();
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(InputChecks, UnreadableLengthDoesNotEndTheProgram) {
  form.SetText("txtSysLength", "1e999");
  EXPECT_NO_THROW(form.txtSysLength_LostFocus());
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace sizing
