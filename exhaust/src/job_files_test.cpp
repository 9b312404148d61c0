#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "exhaust/job_files.h"
#include "formkit_testing.h"
#include "formkit/host.h"
#include "formkit/text_io.h"

namespace exhaust {
namespace {

namespace fs = std::filesystem;

class JobFiles : public formkit::testing::TempFolderTest {
 protected:
  formkit::RecordingHost host;
  FrmExhaust form{host};
};

TEST_F(JobFiles, SaveAndOpenRestoreEveryTextAndSetTheirOwnCaptions) {
  form.cmdTest1_Click();
  form.SetText("txtCustomer", "Smith, Jones & Co.");
  form.cmdCalc_Click();
  // Typed without the extension: the file is saved under that very name.
  const std::string path = (dir / "plant 7").string();
  ASSERT_TRUE(SaveJob(form, path));
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(form.Caption(), path + " - Exhaust Program");

  FrmExhaust other(host);
  other.SetText("lblK", "9.99");
  other.SetText("txtFlowRate", "1");
  ASSERT_TRUE(OpenJob(other, path));
  EXPECT_EQ(other.Caption(), path + " - Corvane Exhaust Sizing Program");
  for (const char* box : kJobBoxes) EXPECT_EQ(other.Text(box), form.Text(box)) << box;
  EXPECT_EQ(other.Text("txt90Y"), "");
  EXPECT_EQ(other.Text("lblK"), "9.99");  // opening does not calculate
}

TEST_F(JobFiles, FailedOpenChangesNothing) {
  form.SetText("txtCustomer", "Kept");
  // Nineteen fields: the file ends before the mufflers.
  std::string nineteen;
  for (int i = 0; i < 19; ++i) nineteen += (i ? ",\"" : "\"") + std::to_string(i) + "\"";
  const std::string path = (dir / "short.exh").string();
  std::ofstream(path, std::ios::binary) << nineteen << "\r\n";
  EXPECT_FALSE(OpenJob(form, path));
  EXPECT_FALSE(OpenJob(form, (dir / "missing.exh").string()));
  EXPECT_EQ(form.Text("txtCustomer"), "Kept");
  EXPECT_EQ(form.Text("txtExhaustTemp"), "");
  EXPECT_EQ(form.Caption(), kFormCaption);
}

TEST_F(JobFiles, FailedSaveKeepsTheOldFileAndCaption) {
  EXPECT_FALSE(SaveJob(form, (dir / "gone" / "job.exh").string()));
  EXPECT_EQ(form.Caption(), kFormCaption);
  // A save whose writing fails (here: no file may grow past 16 bytes, which binds root too)
  // leaves the old file as it was.
  const std::string path = (dir / "job.exh").string();
  std::ofstream(path, std::ios::binary) << "old";
  std::string error;
  rlimit old_limit{};
  ::getrlimit(RLIMIT_FSIZE, &old_limit);
  rlimit small = old_limit;
  small.rlim_cur = 16;
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  const bool saved = SaveJob(form, path, &error);
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_FALSE(saved);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(formkit::ReadTextFile(path), "old");
  EXPECT_EQ(form.Caption(), kFormCaption);
}

}  // namespace
}  // namespace exhaust
