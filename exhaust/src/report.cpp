#include "exhaust/report.h"

#include "exhaust/quantities.h"
#include "formkit/form_report.h"
#include "formkit/pipe_tables.h"

namespace exhaust {
namespace {

formkit::ReportPlan Plan() {
  formkit::ReportPlan plan;
  plan.quantities = kQuantities;
  plan.fittings = formkit::ExhaustFittings();
  plan.empty_lines_above = 4;
  // No closing note: the page ends after the empty line below the results.
  plan.mail_subject = kMailSubject;
  return plan;
}

}  // namespace

std::optional<formkit::Report> BuildReport(const FrmExhaust& form,
                                           const formkit::ContactInfo& contact,
                                           const std::string& date) {
  return formkit::FormReport(form, Plan(), contact, date);
}

formkit::MailMessage BuildMail(const FrmExhaust& form, const std::string& contact_name) {
  return formkit::FormMail(form, Plan(), contact_name);
}

}  // namespace exhaust
