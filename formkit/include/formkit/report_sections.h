// The parts both programs' reports and e-mails share, read from a headless form.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "formkit/form.h"
#include "formkit/report.h"

namespace formkit {

inline constexpr const char* kReportSans = "ms sans serif";
inline constexpr const char* kReportMono = "Courier New";

// A section title ("Given Information") in the large sans-serif font, then the
// fixed-pitch font for what follows and one empty line.
void ReportSection(ReportWriter& writer, std::string_view title);
// "Customer:" and "Job Description:" lines from txtCustomer and txtJobDescription, then
// one empty line.
void ReportCustomer(ReportWriter& writer, const Form& form);
// Each fitting's count, unit "Each".
void ReportFittings(ReportWriter& writer, const Form& form, std::span<const struct Fitting> fittings);

// The opening line naming the sender, unless the contact name is the placeholder "Your Name".
std::string MailSenderLine(const std::string& contact_name);

}  // namespace formkit
