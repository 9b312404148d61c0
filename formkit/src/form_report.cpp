#include "formkit/form_report.h"

#include "formkit/fault.h"
#include "formkit/report_contact.h"
#include "formkit/report_sections.h"

namespace formkit {
namespace {

size_t Characters(std::string_view text) {
  size_t n = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

// The headline first, then the other results in table order.
template <typename Each>
void ForEachResult(std::span<const Quantity> table, Each each) {
  for (const Quantity& q : table)
    if (q.role == QuantityRole::kHeadline) each(q);
  for (const Quantity& q : table)
    if (q.role == QuantityRole::kResult) each(q);
}

}  // namespace

std::optional<Report> FormReport(const Form& form, const ReportPlan& plan,
                                 const ContactInfo& contact, const std::string& date) {
  try {
    ReportWriter w;
    w.Font(kReportSans).Size(10).EmptyLines(plan.empty_lines_above);
    ContactBlock(w, contact, date);

    ReportSection(w, "Given Information");
    ReportCustomer(w, form);
    if (!plan.choice_label.empty()) {
      // The choice ends where the value field does, as a number there would.
      w.Zone().Print(plan.choice_label).Column(56 - static_cast<int>(Characters(plan.choice)));
      w.Print(plan.choice).EndLine();
    }
    for (const Quantity& q : plan.quantities)
      if (q.role == QuantityRole::kGiven && !q.report.empty())
        ValueLine(w, q.report, form.Text(q.control), q.unit);
    ReportFittings(w, form, plan.fittings);

    w.EmptyLines(1);
    ReportSection(w, "Calculated Information");
    ForEachResult(plan.quantities, [&](const Quantity& q) {
      if (q.report.empty()) return;
      const bool bold = q.role == QuantityRole::kHeadline;
      if (bold) w.Bold(true);
      ValueLine(w, q.report, form.Text(q.control), q.unit);
      if (bold) w.Bold(false);
    });

    w.EmptyLines(1);
    for (std::string_view line : plan.closing_lines) w.Zone().Print(line).EndLine();
    return w.Finish();
  } catch (const Fault&) {
    return std::nullopt;
  }
}

MailMessage FormMail(const Form& form, const ReportPlan& plan, const std::string& contact_name) {
  std::string body = MailSenderLine(contact_name);
  if (plan.mail_customer) {
    body += MailLine("Customer:", form.Text("txtCustomer"));
    body += MailLine("Job Description:", form.Text("txtJobDescription"));
  }
  body += "\r\n";
  if (!plan.choice_label.empty())
    body += MailLine(std::string(plan.choice_label) + ":", plan.choice);
  for (const Quantity& q : plan.quantities)
    if (q.role == QuantityRole::kGiven && !q.mail.empty())
      body += MailLine(q.mail, form.Text(q.control), q.mail_width);
  for (const Fitting& fitting : plan.fittings)
    body += MailLine(fitting.mail, form.Text(fitting.control));
  body += " \r\n";
  body += "*** CALCULATED DATA *** \r\n";
  ForEachResult(plan.quantities, [&](const Quantity& q) {
    if (!q.mail.empty()) body += MailLine(q.mail, form.Text(q.control), q.mail_width);
  });
  body += "\r\n";
  body += plan.closing_mail_line;
  return {std::string(plan.mail_subject), body};
}

}  // namespace formkit
