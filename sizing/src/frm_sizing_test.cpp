#include <gtest/gtest.h>

#include "form_fixture.h"
#include "sizing/frm_sizing.h"

namespace sizing {
namespace {

using MainForm = testing::FormFixture;

TEST_F(MainForm, OpensWithTheDesignValues) {
  EXPECT_EQ(form.Caption(), "Corvane Sizing Program");
  EXPECT_EQ(form.Text("txtAmbientTemp"), "60");
  EXPECT_EQ(form.Text("lblBarometricPres"), "29.92");
  EXPECT_EQ(form.At("cmbFuelType").value, 0);
  EXPECT_EQ(form.At("cmbFuelType").items.size(), 6u);
  EXPECT_EQ(form.At("cmbFuelType").items[3], "No. 6 Oil (Heavy)");
  EXPECT_EQ(form.At("optDraftNo").value, 1);
  EXPECT_EQ(form.At("optDraftYes").value, 0);
  EXPECT_FALSE(form.At("txtDiameter").visible);
  EXPECT_FALSE(form.At("txtDiameter").enabled);
  EXPECT_FALSE(form.At("lblDraftDiameter").visible);
  EXPECT_TRUE(form.At("cmdCalculate").visible);
  EXPECT_FALSE(form.At("cmdTest").visible);
  EXPECT_EQ(form.Text("txtCO2"), "");
}

TEST_F(MainForm, LeavingTheFuelListAlwaysOverwritesCo2) {
  form.SetText("txtCO2", "7.7");
  form.cmbFuelType_LostFocus();
  EXPECT_EQ(form.Text("txtCO2"), "5.3");
  form.SelectFuel(1);
  form.cmbFuelType_LostFocus();
  EXPECT_EQ(form.Text("txtCO2"), "6.0");
  form.SelectFuel(5);
  form.cmbFuelType_LostFocus();
  EXPECT_EQ(form.Text("txtCO2"), "");
  form.SelectFuel(-1);
  form.SetText("txtCO2", "3");
  form.cmbFuelType_LostFocus();
  EXPECT_EQ(form.Text("txtCO2"), "");
}

TEST_F(MainForm, ShowAndHideInTheJobDescription) {
  form.SetText("txtJobDescription", "show");
  form.txtJobDescription_LostFocus();
  EXPECT_TRUE(form.At("cmdTest").visible);
  EXPECT_TRUE(form.At("cmdCalculate").visible);
  form.SetText("txtJobDescription", "Hide");
  form.txtJobDescription_LostFocus();
  EXPECT_FALSE(form.At("cmdTest").visible);
  EXPECT_FALSE(form.At("cmdCalculate").visible);
  form.SetText("txtJobDescription", "show me");
  form.txtJobDescription_LostFocus();
  EXPECT_FALSE(form.At("cmdTest").visible);
}

TEST_F(MainForm, InducedDraftNoEmptiesTheDiameter) {
  form.SelectInducedDraft(true);
  EXPECT_TRUE(form.At("txtDiameter").visible);
  EXPECT_TRUE(form.At("txtDiameter").enabled);
  EXPECT_TRUE(form.At("lblDraftDiameter").visible);
  form.SetText("txtDiameter", "12");
  form.SelectInducedDraft(false);
  EXPECT_FALSE(form.At("txtDiameter").visible);
  EXPECT_EQ(form.Text("txtDiameter"), "");
  form.SelectInducedDraft(true);
  EXPECT_EQ(form.Text("txtDiameter"), "");
}

TEST_F(MainForm, ClearAllKeepsAmbientFuelBarometerAndState) {
  form.SelectFuel(2);
  form.cmdTest_Click();
  form.SelectInducedDraft(true);
  form.SetText("txtDiameter", "8");
  form.SetText("lblBarometricPres", "30.1");
  form.mnuOptionsClearAll_Click();
  EXPECT_EQ(form.Text("txtAmbientTemp"), "60");
  EXPECT_EQ(form.At("cmbFuelType").value, 2);
  EXPECT_EQ(form.Text("lblBarometricPres"), "30.1");
  EXPECT_EQ(form.At("optDraftNo").value, 1);
  EXPECT_EQ(form.Text("txtDiameter"), "");
  EXPECT_EQ(form.At("chkCombinedVent").value, 0);
  for (const char* name : {"txtCustomer", "txt90T", "txtDraftHood", "txtCO2", "txtBTU"})
    EXPECT_EQ(form.Text(name), "") << name;
  for (const char* label : kResultLabels) EXPECT_EQ(form.Text(label), "") << label;
  EXPECT_NE(form.M(), 0.0f);  // the calculation state survives
}

TEST_F(MainForm, TestJobLeavesTheFuelListAlone) {
  form.SelectFuel(4);
  form.SelectInducedDraft(true);
  form.cmdTest_Click();
  EXPECT_EQ(form.At("cmbFuelType").value, 4);
  EXPECT_EQ(form.At("optDraftNo").value, 1);
  EXPECT_EQ(form.At("chkCombinedVent").value, 1);
  EXPECT_EQ(form.Text("txtCustomer"), "Corvane's Most Valuable Customer");
}

TEST_F(MainForm, EveryTextBoxButTheCustomerSelectsAllOnFocus) {
  int boxes = 0;
  for (const auto& [name, control] : form.Controls()) {
    const bool text_box = control.kind == formkit::ControlKind::kTextBox;
    EXPECT_EQ(SelectsAllOnFocus(name), text_box && name != "txtCustomer") << name;
    boxes += text_box;
  }
  EXPECT_EQ(boxes, 26);
}

}  // namespace
}  // namespace sizing
