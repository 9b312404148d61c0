// The calculation sheet: it shows what the calculation read, used and wrote, and every
// result on it is the caption the form shows, for the worked example and for thousands of
// generated jobs.
#include "formkit/calc_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "form_fixture.h"
#include "formkit/pipe_tables.h"
#include "formkit/report.h"
#include "formkit_testing.h"
#include "sizing/frm_sizing.h"

namespace sizing {
namespace {

using formkit::testing::Named;
using formkit::testing::ResultsAsShown;
using formkit::testing::Sensible;
using formkit::testing::SetTexts;

using CalcSheet = testing::FormFixture;

TEST_F(CalcSheet, TheWorkedExampleStepByStep) {
  form.cmdTest_Click();
  const formkit::CalcSheet& sheet = form.Sheet();
  EXPECT_EQ(ResultsAsShown(sheet, form, kResultLabels), std::ssize(kResultLabels));
  EXPECT_EQ(sheet.Result("lblComputedSize")->value, " 26.156");
  EXPECT_EQ(Named(sheet, "Fuel constant p (Natural Gas)")->value, " 10.72");
  EXPECT_EQ(Named(sheet, "Starting K")->value, " 7.5");  // the job has a draft hood
  EXPECT_EQ(Named(sheet, "90 Tee K x count")->value, " 2.5");
  EXPECT_EQ(Named(sheet, "90 Tee K x count")->formula, "1.25 x 2");
  ASSERT_TRUE(Named(sheet, "Pass 3 system K"));
  EXPECT_NE(Named(sheet, "Pass 1 system K")->formula.find("times 1.5 for a combined vent"),
            std::string::npos);
  EXPECT_EQ(Named(sheet, "Altitude factor F")->formula,
            "F = 0.990476190476191 + Alt * 0.000044571428571");
  // An input read from a text that is not its own number text shows that text.
  EXPECT_EQ(Named(sheet, "BTU input")->source, "");
  form.SetText("txtBTU", "96e5 BTU");
  form.cmdCalculate_Click();
  EXPECT_EQ(Named(form.Sheet(), "BTU input")->source, "\"96e5 BTU\"");
  EXPECT_EQ(Named(form.Sheet(), "BTU input")->value, " 9600000");
}

TEST_F(CalcSheet, PrintsAfterTheReportFromANewPage) {
  form.cmdTest_Click();
  formkit::Report report;
  report.lines.resize(2);
  formkit::AppendSheet(report, form.Sheet(), {"Calculation Sheet", "", ""});
  ASSERT_GT(report.lines.size(), 40u);
  EXPECT_TRUE(report.lines[2].new_page);
  const std::string text = formkit::ReportText(report);
  EXPECT_NE(text.find("\f"), std::string::npos);
  EXPECT_NE(text.find("Computed pipe diameter" + std::string(43 - 15 - 22, ' ') +
                      "       26.156 Inches"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("D = sqrt(I * M / 413000 / sqrt(dP * B / (Tm * K)))"), std::string::npos);
}

// Every input the calculation reads is on the sheet with the text it was read from where
// that differs, the fittings before the passes that use their sum, and no number in
// exponent form.
TEST_F(CalcSheet, ListsEveryInputAndTheFittingsBeforeThePasses) {
  form.cmdTest_Click();
  form.SelectInducedDraft(true);
  form.SetValue("chkCombinedVent", 0);
  SetTexts(form, {{"txtDiameter", "14 in"}, {"txt90T", "2.5"}});
  form.cmdCalculate_Click();
  const formkit::CalcSheet& sheet = form.Sheet();
  EXPECT_EQ(Named(sheet, "Fuel type")->value, "Natural Gas");
  EXPECT_EQ(Named(sheet, "Induced draft")->value, "Yes");
  EXPECT_EQ(Named(sheet, "Induced draft diameter Dfan")->value, " 14");
  EXPECT_EQ(Named(sheet, "Induced draft diameter Dfan")->source, "\"14 in\"");
  EXPECT_EQ(Named(sheet, "Combined vent")->value, "No");
  EXPECT_EQ(Named(sheet, "90 Tee count")->value, "2");
  EXPECT_EQ(Named(sheet, "90 Tee count")->source, "\"2.5\"");
  std::vector<std::string> titles;
  for (const auto& section : sheet.sections()) titles.push_back(section.title);
  const auto at = [&](const std::string& title) {
    return std::find(titles.begin(), titles.end(), title) - titles.begin();
  };
  EXPECT_LT(at("Fittings"), at("Iteration of diameter and system K (three passes)"));
  EXPECT_LT(at("Iteration of diameter and system K (three passes)"), std::ssize(titles));
  formkit::Report report;
  formkit::AppendSheet(report, sheet, {"Calculation Sheet", "Test", "12/31/2026"});
  const std::string text = formkit::ReportText(report);
  for (const char* exponent : {"E+", "E-", "e+", "e-"})
    EXPECT_EQ(text.find(exponent), std::string::npos) << exponent << "\n" << text;
  EXPECT_NE(text.find("Adjusted input I                 12075890 BTU"), std::string::npos);
}

// A calculation that stops says on its sheet where and why; what it read before is there.
TEST_F(CalcSheet, AStoppedCalculationSaysWhereAndWhy) {
  form.cmdTest_Click();
  SetTexts(form, {{"txtSysHeight", "0"}, {"txtSysLength", "0"}});
  form.cmdCalculate_Click();
  const auto& sections = form.Sheet().sections();
  ASSERT_FALSE(sections.empty());
  EXPECT_EQ(sections.back().title, "Stopped");
  ASSERT_EQ(sections.back().entries.size(), 1u);
  EXPECT_EQ(sections.back().entries[0].name,
            "The calculation stopped in \"Iteration of diameter and system K (three passes)\" "
            "after the last value above: division by zero. The result labels not written by "
            "then keep what they showed.");
  EXPECT_EQ(Named(form.Sheet(), "System vertical H")->value, " 0");
  EXPECT_TRUE(Named(form.Sheet(), "Fittings sum Kf"));
}

// Whatever the job, each result on the sheet is the caption its label shows: the sheet
// writes the value the calculation held, never one of its own.
TEST_F(CalcSheet, AgreesWithTheLabelsForGeneratedJobs) {
  std::mt19937 rng(20260412);
  int complete = 0;
  for (int job = 0; job < 3000; ++job) {
    form.SetText("txtBTU", Sensible(rng, 1e4, 2e7));
    form.SetText("txtAmbientTemp", Sensible(rng, -20, 100));
    form.SetText("txtFlueTempRise", Sensible(rng, 50, 900));
    form.SetText("txtCO2", Sensible(rng, 2, 14));
    form.SetText("txtAltitude", Sensible(rng, 0, 9000));
    form.SetText("txtSysHeight", Sensible(rng, 5, 600));
    form.SetText("txtSysLength", Sensible(rng, 0, 200));
    form.SetText("txtOutletDraft", rng() % 2 ? "0" : Sensible(rng, -0.2, 0.5));
    for (const auto& fitting : formkit::VentFittings())
      form.SetText(fitting.control, rng() % 3 ? "" : std::to_string(rng() % 4));
    form.SelectFuel(static_cast<int>(rng() % 6));
    form.SelectInducedDraft(rng() % 4 == 0);
    if (form.At("optDraftYes").value) form.SetText("txtDiameter", std::to_string(4 + rng() % 40));
    form.SetValue("chkCombinedVent", rng() % 5 == 0);
    form.cmdCalculate_Click();
    SCOPED_TRACE("job " + std::to_string(job));
    const int results = ResultsAsShown(form.Sheet(), form, kResultLabels);
    if (HasFailure()) return;
    complete += results == static_cast<int>(std::size(kResultLabels));
  }
  EXPECT_GT(complete, 2000);  // most generated jobs size all the way through
}

}  // namespace
}  // namespace sizing
