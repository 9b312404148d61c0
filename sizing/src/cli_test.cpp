#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "formkit/host.h"
#include "sizing/cli.h"
#include "sizing/frm_sizing.h"
#include "sizing/job_record.h"

namespace sizing {
namespace {

struct CliRun {
  int status;
  std::string out, err;
};

CliRun Cli(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = RunCommandLine(args, out, err);
  return {status, out.str(), err.str()};
}

std::string WriteJob(const std::string& name, const JobRecord& job) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << WriteJobRecord(job);
  return path;
}

JobRecord TestJob() {
  formkit::RecordingHost host;
  FrmSizing form(host);
  form.Form_Load();
  form.cmdTest_Click();
  return JobRecordFromForm(form);
}

TEST(CommandLine, TestJobAsJson) {
  const CliRun run = Cli({"calc", "--test-job", "--json"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "[{\"job\": \"--test-job\", \"labels\": {\"lblPipeDiameter\": \"28\", "
            "\"lblComputedSize\": \" 26.156\", \"lblSystemK\": \" 18.161\", "
            "\"lblFlueGasDensity\": \" .03873\", \"lblTheoreticalDraft\": \" 2.151\", "
            "\"lblDeltaP\": \" 2.151\", \"lblCO2\": \"5.3\", \"lblCombustionMass\": \" 1.538\", "
            "\"lblFlueGasVolume\": \" 8207\", \"lblFlueGasVelocity\": \" 1869\", "
            "\"lblTotalSystemLosses\": \" 2.151\", \"lblFanRequirement\": \"N/A\", "
            "\"lblLocalBarometricPressure\": \" 23.97\"}, \"messages\": []}]\n");
}

TEST(CommandLine, JobsRunInOrderOnOneFormAndBadFilesAreReported) {
  JobRecord empty;
  empty.texts[3] = "60";
  empty.texts[9] = "29.92";
  const std::string good = WriteJob("cli_good.siz", TestJob());
  const std::string blank = WriteJob("cli_blank.siz", empty);
  const std::string missing = ::testing::TempDir() + "cli_missing.siz";
  std::remove(missing.c_str());
  const CliRun run = Cli({"calc", "--json", good, missing, blank});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find(missing), std::string::npos);
  // The blank job warns, faults at once, and keeps the captions of the job before it.
  EXPECT_NE(run.out.find("\"Missing  BTU,  Flue Gas Temperature Rise,  CO2 %,  System Vertical\""),
            std::string::npos);
  auto labels_of = [&](const std::string& job) {
    const size_t start = run.out.find("\"labels\"", run.out.find(job));
    return run.out.substr(start, run.out.find('}', start) - start);
  };
  EXPECT_EQ(labels_of(blank), labels_of(good));
}

TEST(CommandLine, OptionsSetTheDraftAndCombinedVent) {
  const std::string good = WriteJob("cli_opts.siz", TestJob());
  const CliRun run = Cli({"calc", "--induced-draft", "30", "--json", good});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\"lblComputedSize\": \" 30\""), std::string::npos);
  // A job file does not carry the combined vent box.
  EXPECT_EQ(run.out.find("\"Combined Vent can not be used with Induced Draft\""),
            std::string::npos);
  const CliRun combined = Cli({"calc", "--induced-draft", "30", "--combined-vent", "--json", good});
  EXPECT_NE(combined.out.find("\"Combined Vent can not be used with Induced Draft\""),
            std::string::npos);
}

TEST(CommandLine, UsageErrorsAndHelp) {
  EXPECT_EQ(Cli({"calc"}).status, 64);
  EXPECT_EQ(Cli({"calc", "--frobnicate", "x.siz"}).status, 64);
  EXPECT_EQ(Cli({"bogus"}).status, 64);
  const CliRun help = Cli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--induced-draft"), std::string::npos);
}

}  // namespace
}  // namespace sizing
