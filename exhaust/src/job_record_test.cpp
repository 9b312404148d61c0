#include <gtest/gtest.h>

#include "exhaust/job_record.h"

namespace exhaust {
namespace {

TEST(JobRecord, EveryFieldIsQuotedAndRoundTrips) {
  formkit::RecordingHost host;
  FrmExhaust form(host);
  form.cmdTest1_Click();
  form.SetText("txtCustomer", "Smith, Jones & Co.");
  const std::string line = WriteJobRecord(JobRecordFromForm(form));
  EXPECT_EQ(line,
            "\"Smith, Jones & Co.\",\"This is the Job being Sized.\",\"750\",\"15000\",\"6\","
            "\"1325\",\"125\",\"1\",\"\",\"1\",\"\",\"\",\"\",\"1\",\"\",\"\",\"\",\"1\",\"\","
            "\"1\"\r\n");

  FrmExhaust other(host);
  other.SetText("lblK", "9.99");
  const auto job = ReadJobRecord(line);
  ASSERT_TRUE(job);
  ApplyJobRecord(other, *job);
  for (const char* box : kJobBoxes) EXPECT_EQ(other.Text(box), form.Text(box)) << box;
  EXPECT_EQ(other.Text("lblK"), "9.99");  // results are not part of a job
}

TEST(JobRecord, ShortFilesOpenNothingAndExtraFieldsAreIgnored) {
  const JobRecord job{};
  std::string line = WriteJobRecord(job);
  EXPECT_TRUE(ReadJobRecord(line));
  EXPECT_FALSE(ReadJobRecord(line.substr(0, line.rfind(','))));  // 19 fields
  EXPECT_FALSE(ReadJobRecord(""));
  line.insert(line.size() - 2, ",\"extra\"");
  EXPECT_TRUE(ReadJobRecord(line));
}

TEST(JobRecord, AQuoteInsideATextDoesNotSurvive) {
  JobRecord job{};
  job[0] = "12\" pipe";
  job[1] = "next";
  const auto back = ReadJobRecord(WriteJobRecord(job));
  ASSERT_TRUE(back);
  EXPECT_EQ((*back)[0], "12");
  EXPECT_EQ((*back)[1], "next");  // the rest of the broken field is skipped
}

TEST(JobRecord, OpeningAShowJobShowsTheTestButton) {
  formkit::RecordingHost host;
  FrmExhaust form(host);
  JobRecord job{};
  job[1] = "SHOW";
  ApplyJobRecord(form, *ReadJobRecord(WriteJobRecord(job)));
  EXPECT_TRUE(form.At("cmdTest1").visible);
}

}  // namespace
}  // namespace exhaust
