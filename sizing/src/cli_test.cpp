#include <gtest/gtest.h>

#include "formkit_testing.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <sstream>

#include "formkit/host.h"
#include "sizing/cli.h"
#include "sizing/frm_sizing.h"
#include "sizing/job_record.h"

namespace sizing {
namespace {

using formkit::testing::CliRun;

CliRun Cli(const std::vector<std::string>& args, const formkit::CliServices& services = {}) {
  return formkit::testing::RunCli(CliProgram(), args, services);
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

// Report and mail read contact.dat from the current directory: each test runs in a folder
// of its own.
using InFolder = formkit::testing::InTempFolderTest;

TEST_F(InFolder, ReportNeedsTheContactFile) {
  formkit::CliServices services;
  services.report_date = "12/7/2026";
  CliRun run = Cli({"report", "--test-job", "--text"}, services);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Error printing report, please complete Contact Information"),
            std::string::npos);
  EXPECT_EQ(run.out, "");
  // The sheet needs no contact details: it prints alone, headed by the job and the date.
  run = Cli({"report", "--test-job", "--sheet", "--text"}, services);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("Calculation Sheet  -  Corvane Sizing Program Test  -  12/7/2026\n", 0),
            0u)
      << run.out;
  EXPECT_EQ(run.out.find("Prepared by:"), std::string::npos);
  EXPECT_NE(run.err.find("the sheet prints alone"), std::string::npos);
  std::ofstream("contact.dat", std::ios::binary)
      << "\"Pat\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
  run = Cli({"report", "--test-job", "--text"}, services);
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find(std::string(28, ' ') + "Prepared by:Pat\n" + std::string(42, ' ') +
                         "12/7/2026\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("       26.156 Inches\n"), std::string::npos);
  // No PDF writer here: a clear failure, not a silent success.
  run = Cli({"report", "--test-job", "--pdf", "out.pdf"}, services);
  EXPECT_EQ(run.status, 1);

  // --sheet adds the calculation sheet after the report, from a new page.
  const std::string report_only = Cli({"report", "--test-job", "--text"}, services).out;
  run = Cli({"report", "--test-job", "--sheet", "--text"}, services);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind(report_only, 0), 0u);
  EXPECT_EQ(run.out.substr(report_only.size(), 1), "\f");
  EXPECT_EQ(run.out.find("E+"), std::string::npos);
  EXPECT_NE(run.out.find("Calculation Sheet"), std::string::npos);
  EXPECT_NE(run.out.find("Pass 3 system K"), std::string::npos);
  EXPECT_EQ(Cli({"calc", "--test-job", "--sheet"}, services).status, 64);
}

TEST_F(InFolder, MailPrintsSubjectAndBodyOrReportsAFailedSend) {
  CliRun run = Cli({"mail", "--test-job", "--print"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("Corvane Inc. Pipe Sizing Information\r\n"
                          "This Email is being sent to you from: \r\n\r\nCustomer:",
                          0),
            0u);
  formkit::testing::RecordingSender sender;
  sender.accept = false;
  formkit::CliServices services;
  services.mail = &sender;
  run = Cli({"mail", "--test-job", "--combined-vent"}, services);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Email was not sent."), std::string::npos);
  EXPECT_EQ(sender.sent.at(0).subject, "Corvane Inc. Pipe Sizing Information");
}

}  // namespace
}  // namespace sizing
