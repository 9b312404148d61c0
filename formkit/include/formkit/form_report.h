// A sizing program's one-page report and its results e-mail, made from its table of
// quantities: what the form shows, laid out for the printer or the mail composer. Neither
// calculates; both take the texts as they stand.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formkit/contact.h"
#include "formkit/form.h"
#include "formkit/mail.h"
#include "formkit/pipe_tables.h"
#include "formkit/quantity.h"
#include "formkit/report.h"

namespace formkit {

// What a program's report and mail hold beyond its quantities.
struct ReportPlan {
  std::span<const Quantity> quantities;
  std::span<const Fitting> fittings;
  int empty_lines_above = 2;  // above the contact block
  // A choice printed and mailed before the given quantities ("Fuel Type", "Natural Gas");
  // none when the label is empty.
  std::string_view choice_label;
  std::string choice;
  bool mail_customer = false;                   // the mail names the customer and the job too
  std::vector<std::string_view> closing_lines;  // the report's last lines
  std::string_view closing_mail_line;  // the mail's last line, CR LF included; may be empty
  std::string_view mail_subject;
};

// The contact block, "Given Information" (customer, job, the choice, the given quantities
// and each fitting's count), "Calculated Information" (the headline in bold, then every
// result with a report line) and the closing lines. None when a value cannot be read (the
// report then fails as a whole). `date` is the date line as it prints.
std::optional<Report> FormReport(const Form& form, const ReportPlan& plan,
                                 const ContactInfo& contact, const std::string& date);

// The sender line (unless the contact name is the placeholder "Your Name"), the customer
// and job when the plan says so, the choice, every quantity and fitting with a mail line,
// "*** CALCULATED DATA *** ", the results with a mail line (the headline first) and the
// closing line; `contact_name` is the name in the contact dialog.
MailMessage FormMail(const Form& form, const ReportPlan& plan, const std::string& contact_name);

}  // namespace formkit
