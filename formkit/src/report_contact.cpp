#include "formkit/report_contact.h"

#include <ctime>

namespace formkit {

void ContactBlock(ReportWriter& w, const ContactInfo& c, const std::string& date) {
  w.Size(14).Zone(2).Print("Contact Information").EndLine();
  w.Size(10).Zone(2).Print("Prepared by:").Print(c.name()).EndLine();
  auto line = [&](const std::string& text) { w.Zone(3).Print(text).EndLine(); };
  if (!c.company().empty()) line(c.company());
  if (!c.address1().empty()) line(c.address1());
  if (!c.address2().empty()) line(c.address2());
  if (!c.city().empty()) line(c.city() + ", " + c.state() + " " + c.zip());
  if (!c.phone().empty()) line("Phone: " + c.phone());
  if (!c.fax().empty()) line("Fax: " + c.fax());
  if (!c.email().empty()) line(c.email());
  if (!c.web_site().empty()) line(c.web_site());
  line(date);
  w.EmptyLines(1);
}

std::string ReportDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return std::to_string(local.tm_mon + 1) + "/" + std::to_string(local.tm_mday) + "/" +
         std::to_string(local.tm_year + 1900);
}

}  // namespace formkit
