#include "exhaust/frm_exhaust.h"

#include <algorithm>
#include <cctype>

#include "formkit/pipe_tables.h"
#include "formkit/required_boxes.h"
#include "platform/ascii_case.h"

namespace exhaust {
namespace {

using formkit::ControlKind;

}  // namespace

bool SelectsAllOnFocus(std::string_view control) {
  if (control == "txtCustomer" || control == "txtJobDescription") return false;
  return std::find(kJobBoxes.begin(), kJobBoxes.end(), control) != kJobBoxes.end();
}

FrmExhaust::FrmExhaust(formkit::Host& host) : formkit::Form(kFormCaption), host_(host) {
  DeclareControls();
}

void FrmExhaust::DeclareControls() {
  // No start-up code: every box and result label starts empty.
  for (const char* name : kJobBoxes) Declare(name, ControlKind::kTextBox);
  for (const char* name : kResultLabels) Declare(name, ControlKind::kLabel);
  Declare("cmdCalc", ControlKind::kButton, "Calculate");
  Declare("cmdExit", ControlKind::kButton, "Exit");
  Declare("cmdTest1", ControlKind::kButton, "Test");
  Form::SetVisible("cmdTest1", false);
}

void FrmExhaust::TextChanged(const std::string& name) {
  if (name == "txtJobDescription") txtJobDescription_Change();
}

void FrmExhaust::Msg(const std::string& text, const std::string& caption) {
  host_.MsgBox(text, caption);
}

void FrmExhaust::txtJobDescription_Change() {
  const std::string& text = Text("txtJobDescription");
  if (platform::EqualsIgnoringCase(text, "SHOW")) SetVisible("cmdTest1", true);
  if (platform::EqualsIgnoringCase(text, "HIDE")) SetVisible("cmdTest1", false);
}

void FrmExhaust::cmdTest1_Click() {
  SetText("txtCustomer", "This is the Customer Name");
  SetText("txtJobDescription", "This is the Job being Sized.");
  SetText("txtExhaustTemp", "750");
  SetText("txtFlowRate", "15000");
  SetText("txtDropLimit", "6");
  SetText("txtAltitude", "1325");
  SetText("txtPipeLength", "125");
  for (const auto& fitting : formkit::ExhaustFittings()) SetText(fitting.control, "");
  for (const char* name : {"txt90T", "txt90L", "txtTaperedIncreaser", "txtDrainSection",
                           "txtMuffler"})
    SetText(name, "1");
}

void FrmExhaust::mnuOptionsClearAll_Click() {
  for (const char* name : kJobBoxes) SetText(name, "");
  // The pressure drop stays until the next calculation.
  for (const auto& q : kQuantities)
    if (q.IsResult() && q.control != "lblActualDrop") SetText(q.control, "");
}

void FrmExhaust::Blank_Check(std::string& strBlanks) {
  // Blank means nothing but spaces.
  auto blank = [](const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
  };
  static constexpr formkit::RequiredBox kRequired[] = {
      {"txtExhaustTemp", "    Exhuast Temperature\n\r"},
      {"txtFlowRate", "    Exhuast Flow Rate\n\r"},
      {"txtDropLimit", "    Back Pressure Limit\n\r"},
      {"txtPipeLength", "    Pipe Length"}};
  const std::string message = formkit::MissingLines(*this, kRequired, blank);
  strBlanks = message.empty() ? "No Blanks" : "Blanks";
  if (blank(Text("txtAltitude"))) SetText("txtAltitude", "0");
  if (strBlanks == "Blanks") Msg("You must provide values for: \n\r" + message, "Missing Data");
}

}  // namespace exhaust
