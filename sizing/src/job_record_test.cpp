#include <gtest/gtest.h>

#include "formkit/host.h"
#include "sizing/job_record.h"

namespace sizing {
namespace {

TEST(JobRecord, TestJobFileStartsAsExpectedAndRoundTrips) {
  formkit::RecordingHost host;
  FrmSizing form(host);
  form.Form_Load();
  form.cmdTest_Click();
  const std::string line = WriteJobRecord(JobRecordFromForm(form));
  EXPECT_EQ(line.rfind(
                "\"Corvane's Most Valuable Customer\",\"Corvane Sizing Program Test\",0,\"9600000\",",
                0),
            0u);
  EXPECT_EQ(line.substr(line.size() - 2), "\r\n");

  FrmSizing other(host);
  other.Form_Load();
  other.SelectInducedDraft(true);
  other.SetText("txtDiameter", "14");
  const auto job = ReadJobRecord(line);
  ASSERT_TRUE(job);
  ApplyJobRecord(other, *job);
  for (const char* control : JobRecordControls())
    EXPECT_EQ(other.Text(control), form.Text(control)) << control;
  // Not part of a job: the draft choice, its diameter and the combined vent box.
  EXPECT_EQ(other.At("optDraftYes").value, 1);
  EXPECT_EQ(other.Text("txtDiameter"), "14");
  EXPECT_EQ(other.At("chkCombinedVent").value, 0);
  EXPECT_EQ(other.Text("lblSystemK"), "");
}

TEST(JobRecord, CommasSurviveExtraValuesAreIgnored) {
  JobRecord job;
  job.fuel = 3;
  job.texts[0] = "Smith, Jones & Co.";
  job.texts[5] = "9.0";
  std::string line = WriteJobRecord(job);
  line.insert(line.size() - 2, ",\"extra\",7");
  const auto back = ReadJobRecord(line);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->fuel, 3);
  EXPECT_EQ(back->texts[0], "Smith, Jones & Co.");
  EXPECT_EQ(back->texts[5], "9.0");
}

TEST(JobRecord, ShortFilesAndBadFuelPositionsAreRejected) {
  JobRecord job;
  std::string line = WriteJobRecord(job);
  EXPECT_TRUE(ReadJobRecord(line));
  EXPECT_FALSE(ReadJobRecord(line.substr(0, line.rfind(','))));  // 26 values
  EXPECT_FALSE(ReadJobRecord(""));
  job.fuel = 6;
  EXPECT_FALSE(ReadJobRecord(WriteJobRecord(job)));
  job.fuel = -1;
  EXPECT_FALSE(ReadJobRecord(WriteJobRecord(job)));
}

TEST(JobRecord, ValuesMaySpreadOverLines) {
  std::string text = "\"c\",\"d\"\r\n2\r\n";
  for (int i = 0; i < 24; ++i) text += "\"" + std::to_string(i) + "\"\r\n";
  const auto job = ReadJobRecord(text);
  ASSERT_TRUE(job);
  EXPECT_EQ(job->fuel, 2);
  EXPECT_EQ(job->texts[25], "23");
}

}  // namespace
}  // namespace sizing
