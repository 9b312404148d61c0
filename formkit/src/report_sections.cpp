#include "formkit/report_sections.h"

#include "formkit/mail.h"
#include "formkit/pipe_tables.h"

namespace formkit {

void ReportSection(ReportWriter& writer, std::string_view title) {
  writer.Font(kReportSans).Size(14).Zone(2).Print(title).EndLine();
  writer.Size(10).Font(kReportMono).EmptyLines(1);
}

void ReportCustomer(ReportWriter& writer, const Form& form) {
  writer.Zone().Print("Customer:").Print("  ").Print(form.Text("txtCustomer")).EndLine();
  writer.Zone().Print("Job Description:").Print("  ").Print(form.Text("txtJobDescription")).EndLine();
  writer.EmptyLines(1);
}

void ReportFittings(ReportWriter& writer, const Form& form, std::span<const Fitting> fittings) {
  for (const Fitting& fitting : fittings)
    ValueLine(writer, fitting.name, form.Text(fitting.control), "Each");
}

std::string MailSenderLine(const std::string& contact_name) {
  if (contact_name == "Your Name") return "";
  return "This Email is being sent to you from: " + contact_name + "\r\n\r\n";
}

}  // namespace formkit
