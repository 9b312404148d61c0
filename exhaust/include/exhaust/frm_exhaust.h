// The engine exhaust program's main form, headless.
//
// Holds the job record as the texts of twenty boxes and the five result labels
// (exhaust/quantities.h); its event handlers and procedures are methods named as the form's
// own. Message boxes go to the host.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "exhaust/quantities.h"
#include "formkit/calc_sheet.h"
#include "formkit/form.h"
#include "formkit/host.h"
#include "formkit/sheet_steps.h"

namespace exhaust {

// The caption of message boxes that bring none of their own.
inline constexpr const char* kProgramTitle = "Exhaust";
inline constexpr const char* kFormCaption = "Engine/Turbine Exhaust";

// The twenty job boxes in tab order (also the order of the job file).
inline constexpr std::array<const char*, 20> kJobBoxes = {
    "txtCustomer",  "txtJobDescription", "txtExhaustTemp",      "txtFlowRate",
    "txtDropLimit", "txtAltitude",       "txtPipeLength",       "txt90T",
    "txt90Y",       "txt90L",            "txt45T",              "txt45L",
    "txt30L",       "txtTaperedIncreaser", "txtStepIncreaser",  "txtExitCone",
    "txtStackCap",  "txtDrainSection",   "txtLinedBellows",     "txtMuffler"};

// The number boxes (all job boxes but customer and job description) select their whole
// text when they receive the focus.
bool SelectsAllOnFocus(std::string_view control);

class FrmExhaust : public formkit::Form {
 public:
  explicit FrmExhaust(formkit::Host& host);

  // Event handlers.
  void txtJobDescription_Change();
  void cmdCalc_Click() { Calculations(); }
  void mnuCalculate_Click() { Calculations(); }
  void cmdTest1_Click();
  void mnuOptionsClearAll_Click();

  // The calculation. Values the formulas have no answer for (a back pressure limit of 0 or
  // below, an absolute temperature of 0 or below, a negative flow rate, a fitting count
  // outside -32768..32767, an input or result beyond single precision, a system K below 0)
  // are refused with one message box naming the value, and no label changes. A first-pass
  // diameter above 60 inches has no standard size: the labels then show that diameter, the
  // barometric pressure and "Out of Range", and K and the pressure drop are emptied.
  void Calculations();
  // "Blanks" when a required input is empty (after telling the user which), else
  // "No Blanks". A blank altitude becomes "0".
  void Blank_Check(std::string& strBlanks);
  // The fittings sum: count times K factor over the thirteen fitting boxes, accumulated in
  // single precision. Throws formkit::Fault for a count that is not a 16-bit whole number.
  void FittingsK(float& K) const;
  // What the last calculation read, used and wrote, as far as it got; every result on it is
  // the caption its label was given.
  const formkit::CalcSheet& Sheet() const { return steps_.sheet(); }

 protected:
  // A change of the job description, by the user, a procedure or a job file, runs its
  // change handler, as the form runtime does.
  void TextChanged(const std::string& name) override;

 private:
  void DeclareControls();
  void Msg(const std::string& text, const std::string& caption = kProgramTitle);

  formkit::Host& host_;
  formkit::CalcSheet sheet_;
  formkit::SheetSteps steps_{sheet_, *this, kQuantities};
};

}  // namespace exhaust
