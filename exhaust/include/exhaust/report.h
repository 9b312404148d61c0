// The exhaust report and e-mail: what the form shows, laid out for the printer or the mail
// composer. Neither calculates; both take the texts as they stand.
#pragma once

#include <optional>
#include <string>

#include "exhaust/frm_exhaust.h"
#include "formkit/contact.h"
#include "formkit/mail.h"
#include "formkit/report.h"
#include "formkit/report_contact.h"

namespace exhaust {

using formkit::kReportError;
using formkit::ReportDate;
inline constexpr const char* kMailError = formkit::kMailNotSent;
inline constexpr const char* kMailSubject = "Corvane Inc. Exhaust Sizing Information";

// The one-page report: the contact block, the customer, job description and given values,
// and the four calculated values (the pressure drop is not printed). None when a value
// cannot be read (the report then fails as a whole). `date` is the date line as it prints.
std::optional<formkit::Report> BuildReport(const FrmExhaust& form,
                                           const formkit::ContactInfo& contact,
                                           const std::string& date);

// Subject and body of the results e-mail; `contact_name` is the name in the contact dialog.
// The customer, the job description and the pressure drop are not mailed.
formkit::MailMessage BuildMail(const FrmExhaust& form, const std::string& contact_name);

}  // namespace exhaust
