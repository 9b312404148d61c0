// The calculation sheet: it shows what the calculation read, used and wrote, and every
// result on it is the caption the form shows, for the worked example and for thousands of
// generated jobs.
#include "formkit/calc_sheet.h"

#include <gtest/gtest.h>

#include <random>

#include "exhaust/frm_exhaust.h"
#include "formkit/host.h"
#include "formkit/pipe_tables.h"
#include "formkit/report.h"
#include "formkit_testing.h"

namespace exhaust {
namespace {

using formkit::testing::Named;
using formkit::testing::ResultsAsShown;
using formkit::testing::Sensible;

std::string Value(const formkit::CalcSheet& sheet, const std::string& name) {
  const formkit::SheetEntry* entry = Named(sheet, name);
  return entry ? entry->value : "(no entry " + name + ")";
}

class CalcSheet : public ::testing::Test {
 protected:
  formkit::RecordingHost host;
  FrmExhaust form{host};
};

// The three passes give 22, 20 and 22: the diameter shown is the third pass's with the K of
// the second, the drop uses the K and S of the third and is just under 4.
TEST_F(CalcSheet, TheWorkedExampleStepByStep) {
  form.cmdTest1_Click();
  form.cmdCalc_Click();
  const formkit::CalcSheet& sheet = form.Sheet();
  EXPECT_EQ(ResultsAsShown(sheet, form, kResultLabels), std::ssize(kResultLabels));
  EXPECT_EQ(Value(sheet, "Exhaust Temperature T"), " 750");
  EXPECT_EQ(Named(sheet, "Exhaust Temperature T")->source, "");
  EXPECT_EQ(Value(sheet, "Absolute temperature Tabs"), " 1210");
  EXPECT_EQ(Value(sheet, "90 Tee K x count"), " 1.25");
  EXPECT_EQ(Named(sheet, "Muffler K x count")->formula, "0.40 x 1");
  EXPECT_FALSE(Named(sheet, "90 Wye K x count"));  // no count, no line
  EXPECT_EQ(Value(sheet, "Fittings sum Kf"), " 2.5");
  EXPECT_EQ(Value(sheet, "Starting K"), " 5");
  EXPECT_EQ(Value(sheet, "Pass 1 standard size S"), "22");
  EXPECT_EQ(Value(sheet, "Pass 2 standard size S"), "20");
  EXPECT_EQ(Value(sheet, "Pass 3 standard size S"), "22");
  EXPECT_EQ(Value(sheet, "Pass 3 system K"), " 4.772727");
  EXPECT_EQ(Named(sheet, "Pressure drop dP")->value.substr(0, 5), " 3.99");
  EXPECT_EQ(sheet.Result("lblActualDrop")->value, " 4");
  EXPECT_EQ(sheet.Result("lblK")->value, "4.77");
  EXPECT_EQ(Named(sheet, "Local barometric pressure B")->formula,
            "B = A * A * 0.00000001455357142857 - A * 0.00107896428571429 + 29.9178571428571");

  // An input read from a text that is not its own number text shows that text.
  form.SetText("txtFlowRate", "15 000 cfm");
  form.cmdCalc_Click();
  EXPECT_EQ(Value(form.Sheet(), "Exhaust Flow Rate Q"), " 15000");
  EXPECT_EQ(Named(form.Sheet(), "Exhaust Flow Rate Q")->source, "\"15 000 cfm\"");
}

// A job the calculation does not finish leaves the sheet without results, as the labels are
// left: as far as it got, and why it stopped.
TEST_F(CalcSheet, AnUnfinishedJobHasNoResults) {
  form.cmdCalc_Click();  // every box empty
  ASSERT_EQ(form.Sheet().sections().size(), 1u);
  EXPECT_EQ(form.Sheet().sections()[0].title, "Not calculated: a required input is empty");

  form.cmdTest1_Click();
  form.SetText("txtDropLimit", "0");
  form.cmdCalc_Click();
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(Value(form.Sheet(), "Back Pressure Limit P"), " 0");
  for (const char* label : kResultLabels) EXPECT_FALSE(form.Sheet().Result(label)) << label;

  // A first pass above every standard size: no K and no drop, on the form and on the sheet.
  form.SetText("txtDropLimit", "6");
  form.SetText("txtFlowRate", "2000000");
  form.cmdCalc_Click();
  EXPECT_EQ(Value(form.Sheet(), "Pass 1 standard size S"), "Out of Range");
  EXPECT_FALSE(Named(form.Sheet(), "Pass 2 diameter D"));
  EXPECT_EQ(form.Sheet().Result("lblStdPipe")->value, "Out of Range");
  EXPECT_EQ(form.Sheet().Result("lblK")->value, "");
  EXPECT_EQ(form.Text("lblK"), "");
}

TEST_F(CalcSheet, PrintsAfterTheReportFromANewPage) {
  form.cmdTest1_Click();
  form.cmdCalc_Click();
  formkit::Report report;
  report.lines.resize(2);
  formkit::AppendSheet(report, form.Sheet(), {"Calculation Sheet", "", ""});
  EXPECT_TRUE(report.lines[2].new_page);
  const std::string text = formkit::ReportText(report);
  EXPECT_NE(text.find("Calculated pipe diameter" + std::string(4, ' ') + "        20.11 Inches\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("D = sqrt(Q / 5.2 * sqrt(B * K / (Tabs * P)))"), std::string::npos);
}

// Whatever the job, each result on the sheet is the caption its label shows: the sheet
// writes the value the calculation held, never one of its own.
TEST_F(CalcSheet, AgreesWithTheLabelsForGeneratedJobs) {
  std::mt19937 rng(20261208);
  int complete = 0, out_of_range = 0;
  for (int job = 0; job < 4000; ++job) {
    form.SetText("txtExhaustTemp", Sensible(rng, -100, 1400));
    form.SetText("txtFlowRate", Sensible(rng, 50, 150000));
    form.SetText("txtDropLimit", rng() % 50 ? Sensible(rng, 0.2, 40) : "0");
    form.SetText("txtAltitude", rng() % 4 ? Sensible(rng, 0, 9000) : "");
    form.SetText("txtPipeLength", Sensible(rng, 1, 600));
    for (const auto& fitting : formkit::ExhaustFittings())
      form.SetText(fitting.control, rng() % 3 ? "" : std::to_string(rng() % 5));
    form.cmdCalc_Click();
    SCOPED_TRACE("job " + std::to_string(job));
    const int results = ResultsAsShown(form.Sheet(), form, kResultLabels);
    if (HasFailure()) return;
    ASSERT_TRUE(results == 0 || results == static_cast<int>(kResultLabels.size())) << job;
    complete += results != 0;
    out_of_range += form.Text("lblStdPipe") == "Out of Range";
  }
  EXPECT_GT(complete, 3500);  // most generated jobs size all the way through
  EXPECT_GT(out_of_range, 0);
}

}  // namespace
}  // namespace exhaust
