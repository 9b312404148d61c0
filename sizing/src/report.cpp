#include "sizing/report.h"

#include "formkit/form_report.h"
#include "formkit/pipe_tables.h"
#include "sizing/fuels.h"
#include "sizing/quantities.h"

namespace sizing {
namespace {

formkit::ReportPlan Plan(const FrmSizing& form) {
  formkit::ReportPlan plan;
  plan.quantities = kQuantities;
  plan.fittings = formkit::VentFittings();
  plan.empty_lines_above = 2;
  plan.choice_label = "Fuel Type";
  plan.choice = FuelName(form.At("cmbFuelType").value);
  plan.mail_customer = true;
  plan.closing_lines = {"All computations contained herein are based on data provided",
                        "in the 2012 ASHRAE HANDBOOK HVAC Systems and Equipment "};
  plan.closing_mail_line =
      "All computations contained herein are based on data provided in the 2012 ASHRAE "
      "HANDBOOK HVAC Systems and Equipment \r\n";
  plan.mail_subject = kMailSubject;
  return plan;
}

}  // namespace

std::string FuelName(int position) {
  const auto fuels = Fuels();
  if (position < 0 || position >= static_cast<int>(fuels.size())) return "N/A";
  return std::string(fuels[position].name);
}

std::optional<formkit::Report> BuildReport(const FrmSizing& form,
                                           const formkit::ContactInfo& contact,
                                           const std::string& date) {
  return formkit::FormReport(form, Plan(form), contact, date);
}

formkit::MailMessage BuildMail(const FrmSizing& form, const std::string& contact_name) {
  return formkit::FormMail(form, Plan(form), contact_name);
}

}  // namespace sizing
