// The vent sizing program's main form, headless.
//
// Holds the job record as control texts and the thirteen result labels (sizing/quantities.h);
// its event handlers and procedures are methods named as the form's own. Message boxes go to
// the host.
#pragma once

#include <string>

#include "formkit/calc_sheet.h"
#include "formkit/form.h"
#include "formkit/host.h"
#include "formkit/numbers.h"
#include "formkit/sheet_steps.h"
#include "sizing/quantities.h"

namespace sizing {

inline constexpr const char* kProgramTitle = "Pipe Sizing";
inline constexpr const char* kFormCaption = "Corvane Sizing Program";

// Whether the text box `control` selects its whole text when it receives the focus: every
// text box but the customer's does.
bool SelectsAllOnFocus(const std::string& control);

class FrmSizing : public formkit::Form {
 public:
  // The host shows the message boxes; `format` is the regional format the CO2 text is
  // converted with.
  FrmSizing(formkit::Host& host, formkit::NumberFormat format = formkit::UserNumberFormat());

  // Event handlers.
  void Form_Load();
  void cmbFuelType_LostFocus();
  void optDraftYes_Click();
  void optDraftNo_Click();
  void txtJobDescription_LostFocus();
  void txtSysHeight_LostFocus() { HeighLengthCheck(); }
  void txtSysLength_LostFocus() { HeighLengthCheck(); }
  void cmdCalculate_Click() { Calcualtions(); }
  void mnuCalculate_Click() { Calcualtions(); }
  void cmdTest_Click();
  void mnuOptionsClearAll_Click();

  // The user picks induced draft "Yes" or "No": the option is selected and its click runs.
  void SelectInducedDraft(bool yes);
  // The user picks a fuel from the list (the CO2 text follows when the list loses focus).
  void SelectFuel(int position) { SetValue("cmbFuelType", position); }

  // The calculation and its procedures.
  void Calcualtions();
  void CalculateI();
  // Enters the fuel, induced draft (with its diameter) and combined vent on the sheet.
  void SheetChoices();
  void CombustionMass();
  void FittingsK();
  void StandardDiameter();
  void GasDensity();
  void Pressure_Loss();

  // Input checks.
  void ValueCheck();
  void combinedvent();
  void combinedventinduceddraft();
  void HeighLengthCheck();

  // The calculation state, kept between calculations.
  float I() const { return i_; }
  float M() const { return m_; }
  float Kf() const { return kf_; }
  double D() const { return d_; }
  // What the last calculation read, used and wrote, as far as it got.
  const formkit::CalcSheet& Sheet() const { return steps_.sheet(); }

 private:
  void DeclareControls();
  void FillTestJob();
  bool Induced() const { return At("optDraftYes").value != 0; }
  bool Combined() const { return At("chkCombinedVent").value == 1; }
  double DiameterFor(float delta_p, float barometric, float tm, float k) const;
  // A pass's diameter into D: the one the draft calls for, or the fan's with induced draft.
  void PassDiameter(float delta_p, float barometric, float tm, float k);
  // A pass's system K for standard size `s`; leaves the fittings sum in Kf.
  float SystemK(float l, float h, float s);
  void Msg(const std::string& text, const std::string& caption = kProgramTitle);

  formkit::Host& host_;
  formkit::NumberFormat format_;
  float i_ = 0;
  float m_ = 0;
  float kf_ = 0;
  double d_ = 0;
  formkit::CalcSheet sheet_;
  formkit::SheetSteps steps_{sheet_, *this, kQuantities};
};

}  // namespace sizing
