#include "sizing/frm_sizing.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "formkit/pipe_tables.h"
#include "platform/ascii_case.h"
#include "sizing/fuels.h"

namespace sizing {
namespace {

using formkit::ControlKind;

}  // namespace

bool SelectsAllOnFocus(const std::string& control) {
  // The form's text boxes are the controls named "txt...".
  return control.starts_with("txt") && control != "txtCustomer";
}

FrmSizing::FrmSizing(formkit::Host& host, formkit::NumberFormat format)
    : formkit::Form(kFormCaption), host_(host), format_(format) {
  DeclareControls();
}

void FrmSizing::DeclareControls() {
  for (const char* name :
       {"txtCustomer", "txtJobDescription", "txtBTU", "txtFlueTempRise", "txtCO2", "txtAltitude",
        "txtSysHeight", "txtSysLength", "txtOutletDraft", "txtDiameter"})
    Declare(name, ControlKind::kTextBox);
  Declare("txtAmbientTemp", ControlKind::kTextBox, "60");
  for (const auto& fitting : formkit::VentFittings())
    Declare(std::string(fitting.control), ControlKind::kTextBox);
  Declare("cmbFuelType", ControlKind::kList);
  Declare("lblBarometricPres", ControlKind::kLabel, "29.92");
  Declare("lblDraftDiameter", ControlKind::kLabel, "Diameter:");
  for (const char* name : kResultLabels) Declare(name, ControlKind::kLabel);
  Declare("optDraftYes", ControlKind::kOption, "Yes");
  Declare("optDraftNo", ControlKind::kOption, "No");
  Declare("chkCombinedVent", ControlKind::kCheckBox, "Combined Vent");
  Declare("cmdCalculate", ControlKind::kButton, "&Calculate");
  Declare("cmdTest", ControlKind::kButton, "&Test");
  for (const char* name : {"cmdCO2", "Command1", "cmdAltitude", "cmdOutletDraft", "Command2"})
    Declare(name, ControlKind::kButton, "?");

  // Design-time state: the induced-draft diameter and the test button start hidden.
  SetVisible("cmdTest", false);
  SetVisible("lblDraftDiameter", false);
  SetVisible("txtDiameter", false);
  SetEnabled("txtDiameter", false);
}

void FrmSizing::Msg(const std::string& text, const std::string& caption) {
  host_.MsgBox(text, caption);
}

void FrmSizing::Form_Load() {
  std::vector<std::string> items;
  for (const auto& fuel : Fuels()) items.emplace_back(fuel.name);
  SetItems("cmbFuelType", std::move(items));
  SetValue("cmbFuelType", 0);
  SelectInducedDraft(false);
}

void FrmSizing::cmbFuelType_LostFocus() {
  const int position = At("cmbFuelType").value;
  const auto fuels = Fuels();
  const bool known = position >= 0 && position < static_cast<int>(fuels.size());
  SetText("txtCO2", known ? std::string(fuels[position].co2_text) : "");
}

void FrmSizing::SelectInducedDraft(bool yes) {
  SetValue("optDraftYes", yes ? 1 : 0);
  SetValue("optDraftNo", yes ? 0 : 1);
  if (yes)
    optDraftYes_Click();
  else
    optDraftNo_Click();
}

void FrmSizing::optDraftYes_Click() {
  SetVisible("lblDraftDiameter", true);
  SetVisible("txtDiameter", true);
  SetEnabled("txtDiameter", true);
}

void FrmSizing::optDraftNo_Click() {
  SetVisible("lblDraftDiameter", false);
  SetVisible("txtDiameter", false);
  SetEnabled("txtDiameter", false);
  SetText("txtDiameter", "");
}

void FrmSizing::txtJobDescription_LostFocus() {
  const std::string& text = Text("txtJobDescription");
  const bool show = platform::EqualsIgnoringCase(text, "SHOW");
  if (show || platform::EqualsIgnoringCase(text, "HIDE")) {
    SetVisible("cmdCalculate", show);
    SetVisible("cmdTest", show);
  }
}

void FrmSizing::FillTestJob() {
  SetText("txtCustomer", "Corvane's Most Valuable Customer");
  SetText("txtJobDescription", "Corvane Sizing Program Test");
  SetText("txtBTU", "9600000");
  SetText("txtAmbientTemp", "60");
  SetText("txtFlueTempRise", "300");
  SetText("txtCO2", "5.3");
  SetText("txtAltitude", "6000");
  SetText("txtSysHeight", "400");
  SetText("txtSysLength", "80");
  SetText("lblBarometricPres", "29.92");
  SetText("txtOutletDraft", "0");
  SelectInducedDraft(false);
  SetText("txtDiameter", "");
  for (const auto& fitting : formkit::VentFittings()) SetText(fitting.control, "");
  SetText("txt90T", "2");
  SetText("txtExitCone", "1");
  SetText("txtDraftHood", "1");
  SetValue("chkCombinedVent", 1);
}

void FrmSizing::cmdTest_Click() {
  FillTestJob();
  Calcualtions();
}

void FrmSizing::mnuOptionsClearAll_Click() {
  for (const char* name : {"txtCustomer", "txtJobDescription", "txtBTU"}) SetText(name, "");
  SetText("txtAmbientTemp", "60");
  for (const char* name : {"txtFlueTempRise", "txtCO2", "txtAltitude", "txtSysHeight",
                           "txtSysLength", "txtOutletDraft"})
    SetText(name, "");
  SetValue("chkCombinedVent", 0);
  SelectInducedDraft(false);
  SetText("txtDiameter", "");
  for (const auto& fitting : formkit::VentFittings()) SetText(fitting.control, "");
  for (const char* name : kResultLabels) SetText(name, "");
}

}  // namespace sizing
