#include "exhaust/report.h"

#include "formkit/fault.h"
#include "formkit/pipe_tables.h"

namespace exhaust {
namespace {

using formkit::ReportWriter;
using formkit::ValueLine;

constexpr const char* kSans = "ms sans serif";
constexpr const char* kMono = "Courier New";

struct Line {
  const char* label;
  const char* control;
  const char* unit;
};

constexpr Line kGiven[] = {
    {"Exhaust Temperature", "txtExhaustTemp", "\u00b0F"},
    {"Exhaust Flow Rate", "txtFlowRate", "CFM"},
    {"Back Pressure Limit", "txtDropLimit", "Inches Water Column"},
    {"Altitude", "txtAltitude", "Feet above Sea Level"},
    {"System Length", "txtPipeLength", "Feet"},
};

constexpr Line kCalculated[] = {
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
    w.Font(kSans).Size(10).EmptyLines(4);
    formkit::ContactBlock(w, contact, date);

    w.Size(14).Zone(2).Print("Given Information").EndLine();
    w.Size(10).Font(kMono).EmptyLines(1);
    w.Zone().Print("Customer:").Print("  ").Print(form.Text("txtCustomer")).EndLine();
    w.Zone().Print("Job Description:").Print("  ").Print(form.Text("txtJobDescription")).EndLine();
    w.EmptyLines(1);
    for (const Line& line : kGiven) ValueLine(w, line.label, form.Text(line.control), line.unit);
    for (const auto& fitting : formkit::ExhaustFittings())
      ValueLine(w, fitting.name, form.Text(fitting.control), "Each");

    w.EmptyLines(1);
    w.Font(kSans).Size(14).Zone(2).Print("Calculated Information").EndLine();
    w.Size(10).Font(kMono).EmptyLines(1);
    w.Bold(true);
    ValueLine(w, "Pipe Diameter", form.Text("lblStdPipe"), "Inches");
    w.Bold(false);
    for (const Line& line : kCalculated) ValueLine(w, line.label, form.Text(line.control), line.unit);
    // No closing note: the page ends after this empty line.
    w.EmptyLines(1);
    return w.Finish();
  } catch (const formkit::Fault&) {
    return std::nullopt;
  }
}

formkit::MailMessage BuildMail(const FrmExhaust& form, const std::string& contact_name) {
  using formkit::MailLine;
  std::string body;
  if (contact_name != "Your Name")
    body += "This Email is being sent to you from: " + contact_name + "\r\n\r\n";
  body += "\r\n";
  static constexpr std::pair<const char*, const char*> kInputs[] = {
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
  for (const auto& [label, control] : kInputs) body += MailLine(label, form.Text(control));
  body += " \r\n";
  body += "*** CALCULATED DATA *** \r\n";
  body += MailLine("Pipe Diameter:", form.Text("lblStdPipe"), 31);
  body += MailLine("Computed Pipe Diameter:", form.Text("lblCalcPipe"));
  body += MailLine("System K:", form.Text("lblK"), 31);
  body += MailLine("Local Barometric Pressure:", form.Text("lblLocalBarometricPressure"));
  body += "\r\n";
  return {kMailSubject, body};
}

}  // namespace exhaust
