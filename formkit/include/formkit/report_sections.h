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

// A printed quantity: its label, the control whose text or caption it shows, its unit.
struct ReportQuantity {
  const char* label;
  const char* control;
  const char* unit;
};

// A section title ("Given Information") in the large sans-serif font, then the
// fixed-pitch font for what follows and one empty line.
void ReportSection(ReportWriter& writer, std::string_view title);
// "Customer:" and "Job Description:" lines from txtCustomer and txtJobDescription, then
// one empty line.
void ReportCustomer(ReportWriter& writer, const Form& form);
void ReportQuantities(ReportWriter& writer, const Form& form,
                      std::span<const ReportQuantity> quantities);
// Each fitting's count, unit "Each".
void ReportFittings(ReportWriter& writer, const Form& form, std::span<const struct Fitting> fittings);

// A mail line for each (label, control) pair, padded as MailLine pads.
struct MailQuantity {
  const char* label;
  const char* control;
  size_t width = 30;
};
std::string MailQuantities(const Form& form, std::span<const MailQuantity> quantities);
// The opening line naming the sender, unless the contact name is the placeholder "Your Name".
std::string MailSenderLine(const std::string& contact_name);

}  // namespace formkit
