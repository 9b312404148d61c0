#include "exhaust/report.h"

#include "formkit/fault.h"
#include "formkit/pipe_tables.h"
#include "formkit/report_sections.h"

namespace exhaust {
namespace {

using formkit::ReportWriter;
using formkit::ValueLine;

using formkit::MailQuantity;
using formkit::ReportQuantity;

constexpr ReportQuantity kGiven[] = {
    {"Exhaust Temperature", "txtExhaustTemp", "\u00b0F"},
    {"Exhaust Flow Rate", "txtFlowRate", "CFM"},
    {"Back Pressure Limit", "txtDropLimit", "Inches Water Column"},
    {"Altitude", "txtAltitude", "Feet above Sea Level"},
    {"System Length", "txtPipeLength", "Feet"},
};

constexpr ReportQuantity kCalculated[] = {
    {"Computed Pipe Diameter", "lblCalcPipe", "Inches"},
    {"System K", "lblK", ""},
    {"Local Barometric Pressure", "lblLocalBarometricPressure", "Inches Mercury"},
};

}  // namespace

std::optional<formkit::Report> BuildReport(const FrmExhaust& form,
                                           const formkit::ContactInfo& contact,
                                           const std::string& date) {
  try {
    ReportWriter w;
    w.Font(formkit::kReportSans).Size(10).EmptyLines(4);
    formkit::ContactBlock(w, contact, date);

    formkit::ReportSection(w, "Given Information");
    formkit::ReportCustomer(w, form);
    formkit::ReportQuantities(w, form, kGiven);
    formkit::ReportFittings(w, form, formkit::ExhaustFittings());

    w.EmptyLines(1);
    formkit::ReportSection(w, "Calculated Information");
    w.Bold(true);
    ValueLine(w, "Pipe Diameter", form.Text("lblStdPipe"), "Inches");
    w.Bold(false);
    formkit::ReportQuantities(w, form, kCalculated);
    // No closing note: the page ends after this empty line.
    w.EmptyLines(1);
    return w.Finish();
  } catch (const formkit::Fault&) {
    return std::nullopt;
  }
}

formkit::MailMessage BuildMail(const FrmExhaust& form, const std::string& contact_name) {
  std::string body = formkit::MailSenderLine(contact_name);
  body += "\r\n";
  static constexpr MailQuantity kInputs[] = {
      {"Exhaust Temperature:", "txtExhaustTemp"},
      {"Exhaust Flow Rate:", "txtFlowRate"},
      {"Back Pressure Limit:", "txtDropLimit"},
      {"Altitude:", "txtAltitude"},
      {"Pipe Length:", "txtPipeLength"},
      {"90 Tee:", "txt90T"},
      {"90 Wye:", "txt90Y"},
      {"90 Elbow:", "txt90L"},
      {"45 Tee:", "txt45T"},
      {"45 Elbow:", "txt45L"},
      {"30 Elbow:", "txt30L"},
      {"Tapered Increaser:", "txtTaperedIncreaser"},
      {"Step Increaser:", "txtStepIncreaser"},
      {"Exit Cone:", "txtExitCone"},
      {"Stack Cap:", "txtStackCap"},
      {"Drain Section:", "txtDrainSection"},
      {"Lined Bellow:", "txtLinedBellows"},
      {"Muffler:", "txtMuffler"},
  };
  body += formkit::MailQuantities(form, kInputs);
  body += " \r\n";
  body += "*** CALCULATED DATA *** \r\n";
  static constexpr MailQuantity kResults[] = {
      {"Pipe Diameter:", "lblStdPipe", 31},
      {"Computed Pipe Diameter:", "lblCalcPipe"},
      {"System K:", "lblK", 31},
      {"Local Barometric Pressure:", "lblLocalBarometricPressure"},
  };
  body += formkit::MailQuantities(form, kResults);
  body += "\r\n";
  return {kMailSubject, body};
}

}  // namespace exhaust
