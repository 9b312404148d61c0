// The vent sizing report and e-mail: what the form shows, laid out for the printer or the
// mail composer. Neither calculates; both take the texts as they stand.
#pragma once

#include <optional>
#include <string>

#include "formkit/contact.h"
#include "formkit/mail.h"
#include "formkit/report.h"
#include "formkit/report_contact.h"
#include "sizing/frm_sizing.h"

namespace sizing {

using formkit::kReportError;
inline constexpr const char* kMailError = formkit::kMailNotSent;
inline constexpr const char* kMailSubject = "Corvane Inc. Pipe Sizing Information";

// The fuel name of a list position; "N/A" outside the list.
std::string FuelName(int position);

// The one-page report. None when a value cannot be read (the report then fails as a whole).
// `date` is the date line as it should print.
std::optional<formkit::Report> BuildReport(const FrmSizing& form,
                                           const formkit::ContactInfo& contact,
                                           const std::string& date);

using formkit::ReportDate;

// Subject and body of the results e-mail; `contact_name` is the name in the contact dialog.
formkit::MailMessage BuildMail(const FrmSizing& form, const std::string& contact_name);

}  // namespace sizing
