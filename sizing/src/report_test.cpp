#include <gtest/gtest.h>

#include <sstream>

#include "form_fixture.h"
#include "sizing/report.h"

namespace sizing {
namespace {

class ReportAndMail : public testing::FormFixture {
 protected:
  void SetUp() override {
    FormFixture::SetUp();
    form.cmdTest_Click();
  }
  std::vector<std::string> Lines(const formkit::Report& report) {
    std::vector<std::string> lines;
    std::istringstream in(formkit::ReportText(report));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  formkit::ContactInfo contact{{"Pat Doe", "ACME", "1 Main St", "Suite 2", "Boise", "ID", "83702",
                                "555-1234", "555-9999", "pat@example.com", "example.com"}};
};

TEST_F(ReportAndMail, ReportOfTheTestJob) {
  const auto report = BuildReport(form, contact, "12/7/2026");
  ASSERT_TRUE(report);
  const auto lines = Lines(*report);
  const std::string z1(14, ' '), z2(28, ' '), z3(42, ' ');
  const std::vector<std::string> head = {
      "", "", z2 + "Contact Information", z2 + "Prepared by:Pat Doe", z3 + "ACME",
      z3 + "1 Main St", z3 + "Suite 2", z3 + "Boise, ID 83702", z3 + "Phone: 555-1234",
      z3 + "Fax: 555-9999", z3 + "pat@example.com", z3 + "example.com", z3 + "12/7/2026", "",
      z2 + "Given Information", "",
      z1 + "Customer:  Corvane's Most Valuable Customer",
      z1 + "Job Description:  Corvane Sizing Program Test", "",
      z1 + "Fuel Type" + std::string(55 - 11 - 23, ' ') + "Natural Gas",
      z1 + "BTU Input" + std::string(19, ' ') + "      9600000 BTU"};
  ASSERT_GE(lines.size(), head.size());
  for (size_t i = 0; i < head.size(); ++i) EXPECT_EQ(lines[i], head[i]) << "line " << i;
  // Every value field ends at column 55 and every unit starts at column 57.
  auto find = [&](const std::string& label) {
    for (const auto& line : lines)
      if (line.size() > 14 && line.compare(14, label.size(), label) == 0) return line;
    return std::string();
  };
  EXPECT_EQ(find("Pipe diameter").substr(42), "           28 Inches");
  EXPECT_EQ(find("Flue Gas Density").substr(42), "       .03873 lb/ft^3");
  EXPECT_EQ(find("System K").substr(42), "       18.161 ");
  EXPECT_EQ(find("Induced Fan Requirements").substr(42), "            0 Inches Water Column");
  EXPECT_EQ(find("Induced Draft Diameter").substr(42), "            0 Inches");
  EXPECT_EQ(find("Draft Hood").substr(42), "            1 Each");
  EXPECT_EQ(lines[lines.size() - 2],
            z1 + "All computations contained herein are based on data provided");
  EXPECT_EQ(lines.back(), z1 + "in the 2012 ASHRAE HANDBOOK HVAC Systems and Equipment ");
  // Bold only for the pipe diameter line.
  int bold_lines = 0;
  for (const auto& line : report->lines)
    if (!line.runs.empty() && line.runs[0].bold) ++bold_lines;
  EXPECT_EQ(bold_lines, 1);
}

TEST_F(ReportAndMail, NameOnlyContactAndUnknownFuel) {
  formkit::ContactInfo name_only;
  name_only.fields[0] = "Pat";
  form.SelectFuel(9);
  form.SetText("lblPipeDiameter", "Out of Range");
  const auto report = BuildReport(form, name_only, "1/2/2027");
  ASSERT_TRUE(report);
  const auto lines = Lines(*report);
  EXPECT_EQ(lines[3], std::string(28, ' ') + "Prepared by:Pat");
  EXPECT_EQ(lines[4], std::string(42, ' ') + "1/2/2027");
  EXPECT_EQ(lines[5], "");
  bool saw_fuel = false;
  for (const auto& line : lines)
    if (line == std::string(14, ' ') + "Fuel Type" + std::string(53 - 24, ' ') + "N/A")
      saw_fuel = true;
  EXPECT_TRUE(saw_fuel);
  form.SetText("txtBTU", "1e999");
  EXPECT_FALSE(BuildReport(form, name_only, "1/2/2027"));
}

TEST_F(ReportAndMail, MailBodyOfTheTestJob) {
  const auto mail = BuildMail(form, "Pat Doe");
  EXPECT_EQ(mail.subject, "Corvane Inc. Pipe Sizing Information");
  auto l = [](std::string label, const std::string& value, size_t width = 30) {
    label.resize(width, ' ');
    return label + value + "\r\n";
  };
  const std::string expected =
      "This Email is being sent to you from: Pat Doe\r\n\r\n" +
      l("Customer:", "Corvane's Most Valuable Customer") +
      l("Job Description:", "Corvane Sizing Program Test") + "\r\n" +
      l("Fuel Type:", "Natural Gas") + l("BTU Input:", "9600000") +
      l("Ambient Temperature:", "60") + l("Flue Gas Temp Rise:", "300") +
      l("CO2 Percentage:", "5.3") + l("Altitude:", "6000") + l("System Vertical:", "400") +
      l("System Horizontal:", "80") + l("Available Outlet Draft:", "0") +
      l("Induced Draft Diameter:", "") + l("90 Tee:", "2") + l("90 Wye:", "") +
      l("90 Elbow:", "") + l("45 Tee:", "") + l("45 Elbow:", "") + l("30 Elbow:", "") +
      l("Tapered Increaser:", "") + l("Step Increaser:", "") + l("Exit Cone:", "1") +
      l("Stack Cap:", "") + l("Drain Section:", "") + l("Lined Bellow:", "") +
      l("Draft Hood:", "1") + l("Barometric Damper:", "") + l("Muffler:", "") + " \r\n" +
      "*** CALCULATED DATA *** \r\n" + l("Pipe Diameter:", "28", 31) +
      l("Computed Pipe Diameter:", " 26.156") + l("System K:", " 18.161") +
      l("Flue Gas Density:", " .03873") + l("Theoretical Draft:", " 2.151") +
      l("Delta P:", " 2.151") + l("CO2:", "5.3", 31) + l("Combustion Mass:", " 1.538") +
      l("Flue Gas Volume:", " 8207") + l("Flue Gas Velocity:", " 1869") +
      l("Total Pressure Loss:", " 2.151") + l("Induced Fan Requirements:", "N/A", 31) +
      l("Local Barometric Pressure:", " 23.97") + "\r\n" +
      "All computations contained herein are based on data provided in the 2012 ASHRAE "
      "HANDBOOK HVAC Systems and Equipment \r\n";
  EXPECT_EQ(mail.body, expected);
}

TEST_F(ReportAndMail, MailSenderLineOnlyForARealName) {
  EXPECT_EQ(BuildMail(form, "Your Name").body.rfind("Customer:", 0), 0u);
  EXPECT_EQ(BuildMail(form, "").body.rfind("This Email is being sent to you from: \r\n\r\n", 0),
            0u);
}

}  // namespace
}  // namespace sizing
