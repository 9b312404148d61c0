#include <gtest/gtest.h>

#include <sstream>

#include "exhaust/report.h"
#include "formkit/host.h"

namespace exhaust {
namespace {

class ReportAndMail : public ::testing::Test {
 protected:
  void SetUp() override {
    form.cmdTest1_Click();
    form.cmdCalc_Click();
  }
  static std::vector<std::string> Lines(const formkit::Report& report) {
    std::vector<std::string> lines;
    std::istringstream in(formkit::ReportText(report));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  formkit::RecordingHost host;
  FrmExhaust form{host};
  formkit::ContactInfo contact{{"Pat Doe", "ACME", "1 Main St", "", "Boise", "ID", "83702",
                                "555-1234", "", "pat@example.com", ""}};
};

TEST_F(ReportAndMail, ReportOfTheTestJob) {
  const auto report = BuildReport(form, contact, "12/7/2026");
  ASSERT_TRUE(report);
  const std::string z1(14, ' '), z2(28, ' '), z3(42, ' ');
  // Label from column 15, value field in columns 43 to 55, unit from column 57.
  auto value = [&](const std::string& label, const std::string& field, const std::string& unit) {
    return z1 + label + std::string(28 - label.size(), ' ') + field + " " + unit;
  };
  const std::vector<std::string> expected = {
      "", "", "", "",
      z2 + "Contact Information",
      z2 + "Prepared by:Pat Doe",
      z3 + "ACME", z3 + "1 Main St", z3 + "Boise, ID 83702", z3 + "Phone: 555-1234",
      z3 + "pat@example.com", z3 + "12/7/2026", "",
      z2 + "Given Information", "",
      z1 + "Customer:  This is the Customer Name",
      z1 + "Job Description:  This is the Job being Sized.", "",
      value("Exhaust Temperature", "          750", "\u00b0F"),
      value("Exhaust Flow Rate", "        15000", "CFM"),
      value("Back Pressure Limit", "            6", "Inches Water Column"),
      value("Altitude", "         1325", "Feet above Sea Level"),
      value("System Length", "          125", "Feet"),
      value("90 Tee", "            1", "Each"),
      value("90 Wye", "            0", "Each"),
      value("90 Elbow", "            1", "Each"),
      value("45 Tee", "            0", "Each"),
      value("45 Elbow", "            0", "Each"),
      value("30 Elbow", "            0", "Each"),
      value("Tapered Increaser", "            1", "Each"),
      value("Step Increaser", "            0", "Each"),
      value("Exit Cone", "            0", "Each"),
      value("Stack Cap", "            0", "Each"),
      value("Drain Section", "            1", "Each"),
      value("Lined Bellows", "            0", "Each"),
      value("Muffler", "            1", "Each"),
      "",
      z2 + "Calculated Information", "",
      value("Pipe Diameter", "           22", "Inches"),
      value("Computed Pipe Diameter", "        20.11", "Inches"),
      value("System K", "         4.77", ""),
      value("Local Barometric Pressure", "        28.51", "Inches Mercury"),
      ""};
  EXPECT_EQ(Lines(*report), expected);

  // Bold only for the pipe diameter line.
  int bold = 0;
  for (const auto& line : report->lines) bold += !line.runs.empty() && line.runs[0].bold;
  EXPECT_EQ(bold, 1);
}

TEST_F(ReportAndMail, ReportOfAnOutOfRangeJobAndOfUnreadableValues) {
  form.SetText("lblStdPipe", "Out of Range");
  formkit::ContactInfo name_only;
  name_only.fields[0] = "Pat";
  auto report = BuildReport(form, name_only, "1/2/2027");
  ASSERT_TRUE(report);
  const auto lines = Lines(*report);
  EXPECT_EQ(lines[5], std::string(28, ' ') + "Prepared by:Pat");
  EXPECT_EQ(lines[6], std::string(42, ' ') + "1/2/2027");
  EXPECT_EQ(lines[lines.size() - 5].substr(14),
            "Pipe Diameter" + std::string(15, ' ') + "            0 Inches");

  form.SetText("txtFlowRate", "1e999");
  EXPECT_FALSE(BuildReport(form, name_only, "1/2/2027"));
}

TEST_F(ReportAndMail, MailOfTheTestJobByteForByte) {
  const auto mail = BuildMail(form, "Pat Doe");
  EXPECT_EQ(mail.subject, "Corvane Inc. Exhaust Sizing Information");
  EXPECT_EQ(mail.body,
            "This Email is being sent to you from: Pat Doe\r\n"
            "\r\n"
            "\r\n"
            "Exhaust Temperature:          750\r\n"
            "Exhaust Flow Rate:            15000\r\n"
            "Back Pressure Limit:          6\r\n"
            "Altitude:                     1325\r\n"
            "Pipe Length:                  125\r\n"
            "90 Tee:                       1\r\n"
            "90 Wye:                       \r\n"
            "90 Elbow:                     1\r\n"
            "45 Tee:                       \r\n"
            "45 Elbow:                     \r\n"
            "30 Elbow:                     \r\n"
            "Tapered Increaser:            1\r\n"
            "Step Increaser:               \r\n"
            "Exit Cone:                    \r\n"
            "Stack Cap:                    \r\n"
            "Drain Section:                1\r\n"
            "Lined Bellow:                 \r\n"
            "Muffler:                      1\r\n"
            " \r\n"
            "*** CALCULATED DATA *** \r\n"
            "Pipe Diameter:                 22\r\n"
            "Computed Pipe Diameter:        20.11\r\n"
            "System K:                      4.77\r\n"
            "Local Barometric Pressure:     28.51\r\n"
            "\r\n");
}

TEST_F(ReportAndMail, SenderLineOnlyForARealName) {
  EXPECT_EQ(BuildMail(form, "Your Name").body.rfind("\r\nExhaust Temperature:", 0), 0u);
  EXPECT_EQ(BuildMail(form, "").body.rfind("This Email is being sent to you from: \r\n\r\n\r\n", 0),
            0u);
  form.SetText("lblStdPipe", "Out of Range");
  EXPECT_NE(BuildMail(form, "").body.find("Pipe Diameter:                 Out of Range\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace exhaust
