// The four input warnings. They only warn: none changes a control or stops the calculation.
#include <string>

#include "formkit/fault.h"
#include "formkit/numbers.h"
#include "formkit/required_boxes.h"
#include "sizing/frm_sizing.h"

namespace sizing {

using formkit::Val;

void FrmSizing::ValueCheck() {
  static constexpr formkit::RequiredBox kRequired[] = {
      {"txtBTU", " BTU"},
      {"txtFlueTempRise", "  Flue Gas Temperature Rise"},
      {"txtCO2", "  CO2 %"},
      {"txtSysHeight", "  System Vertical"}};
  const std::string list = formkit::MissingLines(
      *this, kRequired, [](const std::string& text) { return Val(text) == 0; }, ",");
  if (!list.empty()) Msg("Missing " + list);
}

void FrmSizing::combinedvent() {
  if (Combined() && Val(Text("txtDraftHood")) == 0)
    Msg("Combined vent is for use with Draft Hoods");
}

void FrmSizing::combinedventinduceddraft() {
  if (Combined() && Induced()) Msg("Combined Vent can not be used with Induced Draft");
}

void FrmSizing::HeighLengthCheck() {
  double h, l;
  try {
    h = Val(Text("txtSysHeight"));
    l = Val(Text("txtSysLength"));
  } catch (const formkit::Fault&) {
    // A length too large to read cannot be compared; leaving the box must not end the program.
    return;
  }
  if (h >= 0 && l >= 0 && l > h) {
    Msg("System Horizontal is longer than System Vertical"
        "\r\n\r\n"
        "For Catagory 1 or Catagory 2 appliances, the total system "
        "\n"
        "vertical must be greater than the system horizontal, to the "
        "\n"
        "farthest appliance per NFPA 54. "
        "\r\n\r\n"
        "This does not apply to Forced-Draft or Induced Draft Systems.",
        "WARNING");
  }
}

}  // namespace sizing
