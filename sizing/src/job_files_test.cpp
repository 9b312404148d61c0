#include <gtest/gtest.h>

#include "formkit_testing.h"
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "formkit/host.h"
#include "formkit/text_io.h"
#include "sizing/job_files.h"
#include "sizing/job_record.h"

namespace sizing {
namespace {

namespace fs = std::filesystem;

class JobFiles : public formkit::testing::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    form.Form_Load();
  }
  formkit::RecordingHost host;
  FrmSizing form{host};
};

TEST_F(JobFiles, SaveAndOpenChangeTheCaptionDifferently) {
  form.cmdTest_Click();
  const std::string path = (dir / "test.siz").string();
  ASSERT_TRUE(SaveJob(form, path));
  EXPECT_EQ(form.Caption(), path + " - Sizing Program");
  FrmSizing other(host);
  other.Form_Load();
  ASSERT_TRUE(OpenJob(other, path));
  EXPECT_EQ(other.Caption(), path + " - Corvane Sizing Program");
  EXPECT_EQ(other.Text("txtCustomer"), "Corvane's Most Valuable Customer");
  EXPECT_EQ(other.Text("txtDraftHood"), "1");
  EXPECT_EQ(other.Text("lblComputedSize"), "");  // opening does not calculate
}

TEST_F(JobFiles, FailedOpenChangesNothing) {
  const std::string path = (dir / "short.siz").string();
  std::ofstream(path, std::ios::binary) << "\"New Customer\",\"New Job\",9,\"1\"\r\n";
  form.SetText("txtCustomer", "Kept");
  EXPECT_FALSE(OpenJob(form, path));
  EXPECT_EQ(form.Text("txtCustomer"), "Kept");
  EXPECT_EQ(form.Caption(), "Corvane Sizing Program");
  EXPECT_FALSE(OpenJob(form, (dir / "missing.siz").string()));
}

TEST_F(JobFiles, FailedSaveKeepsTheOldFileAndCaption) {
  const std::string path = (dir / "gone" / "job.siz").string();
  std::string error;
  EXPECT_FALSE(SaveJob(form, path, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(form.Caption(), "Corvane Sizing Program");
}

TEST_F(JobFiles, BackgroundColourRoundTripsAndBadFilesKeepTheDesign) {
  const std::string path = (dir / "background.dat").string();
  EXPECT_EQ(ReadBackgroundColor(path), std::nullopt);
  ASSERT_TRUE(WriteBackgroundColor(0xE0E0E0, path));
  EXPECT_EQ(formkit::ReadTextFile(path), "14737632\r\n");
  EXPECT_EQ(ReadBackgroundColor(path), 0xE0E0E0u);
  std::ofstream(path, std::ios::binary) << "\"grey\"\r\n";
  EXPECT_EQ(ReadBackgroundColor(path), std::nullopt);
  std::ofstream(path, std::ios::binary) << "99999999999999\r\n";
  EXPECT_EQ(ReadBackgroundColor(path), std::nullopt);
}

}  // namespace
}  // namespace sizing
