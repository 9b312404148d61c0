// The quantity table and what is made from it: the recorder a calculation enters its sheet
// through, and the report and mail of a program.
#include "formkit/quantity.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "formkit/fault.h"
#include "formkit/form_report.h"
#include "formkit/sheet_steps.h"

namespace formkit {
namespace {

using enum QuantityRole;

constexpr Quantity kTable[] = {
    {kGiven, "txtFlow", "Flow", "CFM", "Flow Rate", "Flow:", 30, "Flow Q"},
    {kGiven, "txtHidden", "Hidden", "", "", "", 30, "Hidden H"},
    {kResult, "lblDensity", "Density:", "lb/ft^3", "Density", "Density:", 30, "Density rho", 5},
    {kHeadline, "lblSize", "Size:", "Inches", "Pipe Size", "Pipe Size:", 31, "Size S"},
    {kResult, "lblDrop", "Drop:", "Inches Water Column", "", "Drop:", 31, "Drop dP", 0},
};

class TestForm : public Form {
 public:
  TestForm() : Form("Test") {
    for (const char* name : {"txtCustomer", "txtJobDescription", "txtFlow", "txtHidden", "txt90T"})
      Declare(name, ControlKind::kTextBox);
    for (const char* name : ResultLabels<ResultCount(kTable)>(kTable))
      Declare(name, ControlKind::kLabel);
  }
};

const SheetEntry& Last(const CalcSheet& sheet) { return sheet.sections().back().entries.back(); }

TEST(QuantityTable, ResultLabelsInTableOrderAndUnknownControlsAreAnError) {
  constexpr auto labels = ResultLabels<ResultCount(kTable)>(kTable);
  static_assert(labels.size() == 3);
  EXPECT_STREQ(labels[0], "lblDensity");
  EXPECT_STREQ(labels[1], "lblSize");
  EXPECT_STREQ(labels[2], "lblDrop");
  EXPECT_EQ(QuantityOf(kTable, "txtFlow").sheet, "Flow Q");
  EXPECT_THROW(QuantityOf(kTable, "txtNone"), std::out_of_range);
}

// A result is rounded as its row says (an exact half to even), written into its label as
// the number text of the rounded value, and entered with its row's name and unit.
TEST(SheetSteps, ShowRoundsWritesAndEntersAResult) {
  TestForm form;
  CalcSheet sheet;
  SheetSteps steps(sheet, form, kTable);
  steps.Section("Results");
  EXPECT_EQ(steps.Show("lblDensity", 0.0280250f, "rho to 5 decimals"),
            RoundHalfEven(0.0280250f, 5));
  EXPECT_EQ(form.Text("lblDensity"), " .02802");
  EXPECT_EQ(Last(sheet).name, "Density rho");
  EXPECT_EQ(Last(sheet).value, " .02802");
  EXPECT_EQ(Last(sheet).unit, "lb/ft^3");
  EXPECT_EQ(Last(sheet).formula, "rho to 5 decimals");
  EXPECT_EQ(Last(sheet).control, "lblDensity");
  // A double is written with its own fifteen digits; 2.5 to a whole number is 2.
  EXPECT_EQ(steps.Show("lblDrop", 2.5, "dP"), 2.0);
  EXPECT_EQ(form.Text("lblDrop"), " 2");
  // A caption without a number has no unit beside it; one a procedure wrote is taken as is.
  steps.ShowBare("lblDrop", "N/A", "none");
  EXPECT_EQ(Last(sheet).unit, "");
  EXPECT_EQ(form.Text("lblDrop"), "N/A");
  form.SetText("lblSize", "Out of Range");
  steps.Shown("lblSize", "S");
  EXPECT_EQ(Last(sheet).value, "Out of Range");
  EXPECT_EQ(Last(sheet).unit, "Inches");
  EXPECT_EQ(sheet.Result("lblSize"), &Last(sheet));
  // A writer of the program's own.
  steps.Show(
      "lblDensity", 0.5f, "K", +[](float v) { return "=" + NumberText(v); });
  EXPECT_EQ(form.Text("lblDensity"), "= .5");
}

// An input is entered with the text it was read from where that is not its number text;
// one that cannot be read enters nothing and faults, or is entered as unreadable.
TEST(SheetSteps, ReadEntersInputsAndTheirTexts) {
  TestForm form;
  CalcSheet sheet;
  SheetSteps steps(sheet, form, kTable);
  form.SetText("txtFlow", "15000");
  EXPECT_EQ(steps.Read("txtFlow"), 15000.0f);
  EXPECT_EQ(Last(sheet).name, "Flow Q");
  EXPECT_EQ(Last(sheet).unit, "CFM");
  EXPECT_EQ(Last(sheet).source, "");
  form.SetText("txtFlow", "15 000 cfm");
  EXPECT_EQ(steps.Read("txtFlow"), 15000.0f);
  EXPECT_EQ(Last(sheet).source, "\"15 000 cfm\"");
  form.SetText("txtFlow", "1e39");
  const size_t entries = sheet.sections().back().entries.size();
  EXPECT_THROW(steps.Read("txtFlow"), Fault);
  EXPECT_EQ(sheet.sections().back().entries.size(), entries);
  steps.Unreadable("txtFlow", "cannot be read as a number");
  EXPECT_EQ(Last(sheet).value, "");
  EXPECT_EQ(Last(sheet).formula, "cannot be read as a number");
  EXPECT_EQ(Last(sheet).source, "\"1e39\"");
  EXPECT_EQ(steps.Step("Tabs", "R", "Tabs = T + 460", 1210.0f), 1210.0f);
  EXPECT_EQ(Last(sheet).value, " 1210");
  EXPECT_EQ(steps.Step("Fuel", "", "", std::string("Coal")), "Coal");
  EXPECT_EQ(Last(sheet).value, "Coal");
}

// The report prints the given quantities, then the headline in bold and the other results
// that have a report line; the mail lists what has a mail line, the headline first.
TEST(FormReport, HeadlineFirstAndOnlyTheRowsWithALine) {
  TestForm form;
  form.SetText("txtFlow", "15000");
  form.SetText("lblDensity", " .02803");
  form.SetText("lblSize", "22");
  form.SetText("lblDrop", " 4");
  static constexpr Fitting kFittings[] = {{"txt90T", "90 Tee", 1.25f, "1.25", "90 Tee:"}};
  ReportPlan plan;
  plan.quantities = kTable;
  plan.fittings = kFittings;
  plan.choice_label = "Fuel Type";
  plan.choice = "Coal";
  plan.closing_lines = {"Closing."};
  plan.mail_subject = "Subject";
  const auto report = FormReport(form, plan, ContactInfo{}, "1/2/2026");
  ASSERT_TRUE(report);
  const std::string text = ReportText(*report);
  const size_t flow = text.find("Flow Rate"), size = text.find("Pipe Size"),
               density = text.find("Density");
  ASSERT_NE(flow, std::string::npos);
  EXPECT_LT(flow, size);
  EXPECT_LT(size, density);
  EXPECT_EQ(text.find("Hidden"), std::string::npos);
  EXPECT_EQ(text.find("Drop"), std::string::npos);
  EXPECT_NE(
      text.find(std::string(14, ' ') + "Fuel Type" + std::string(52 - 14 - 9 - 1, ' ') + "Coal\n"),
      std::string::npos)
      << text;
  EXPECT_NE(text.find("Closing.\n"), std::string::npos);
  bool bold_size = false;
  for (const ReportLine& line : report->lines)
    for (const ReportRun& run : line.runs)
      if (run.text == "Pipe Size") bold_size = run.bold;
  EXPECT_TRUE(bold_size);

  EXPECT_EQ(FormMail(form, plan, "Your Name").body,
            "\r\nFuel Type:                    Coal\r\n"
            "Flow:                         15000\r\n"
            "90 Tee:                       \r\n"
            " \r\n*** CALCULATED DATA *** \r\n"
            "Pipe Size:                     22\r\n"
            "Density:                       .02803\r\n"
            "Drop:                           4\r\n"
            "\r\n");
  // A value too large to read spoils the report as a whole.
  form.SetText("lblSize", "1e999");
  EXPECT_FALSE(FormReport(form, plan, ContactInfo{}, "1/2/2026"));
}

}  // namespace
}  // namespace formkit
