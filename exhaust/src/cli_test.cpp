#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "exhaust/cli.h"
#include "exhaust/job_record.h"
#include "formkit/contact.h"
#include "formkit_testing.h"

namespace exhaust {
namespace {

using formkit::testing::CliRun;

CliRun Cli(const std::vector<std::string>& args, const formkit::CliServices& services = {}) {
  return formkit::testing::RunCli(CliProgram(), args, services);
}

std::string WriteFile(const std::string& name, const std::string& text) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(CommandLine, TestJobAsJson) {
  const CliRun run = Cli({"calc", "--test-job", "--json"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "[{\"job\": \"--test-job\", \"labels\": {\"lblK\": \"4.77\", \"lblCalcPipe\": "
            "\" 20.11\", \"lblStdPipe\": \"22\", \"lblLocalBarometricPressure\": \" 28.51\", "
            "\"lblActualDrop\": \" 4\"}, \"texts\": {\"txtCustomer\": \"This is the Customer "
            "Name\", \"txtJobDescription\": \"This is the Job being Sized.\", "
            "\"txtExhaustTemp\": \"750\", \"txtFlowRate\": \"15000\", \"txtDropLimit\": \"6\", "
            "\"txtAltitude\": \"1325\", \"txtPipeLength\": \"125\", \"txt90T\": \"1\", "
            "\"txt90Y\": \"\", \"txt90L\": \"1\", \"txt45T\": \"\", \"txt45L\": \"\", "
            "\"txt30L\": \"\", \"txtTaperedIncreaser\": \"1\", \"txtStepIncreaser\": \"\", "
            "\"txtExitCone\": \"\", \"txtStackCap\": \"\", \"txtDrainSection\": \"1\", "
            "\"txtLinedBellows\": \"\", \"txtMuffler\": \"1\"}, \"messages\": []}]\n");
}

TEST(CommandLine, JobsRunInOrderOnOneFormAndBadFilesAreReported) {
  JobRecord test_job{};
  test_job = {"c", "d", "750", "15000", "6", "1325", "125", "1", "", "1",
              "",  "",  "",    "1",     "",  "",     "",    "1", "", "1"};
  const std::string good = WriteFile("ex_good.exh", WriteJobRecord(test_job));
  const std::string blank = WriteFile("ex_blank.exh", WriteJobRecord(JobRecord{}));
  const std::string short_job = WriteFile("ex_short.exh", "\"a\",\"b\"\r\n");
  const std::string missing = ::testing::TempDir() + "ex_missing.exh";
  std::remove(missing.c_str());
  const CliRun run = Cli({"calc", "--json", good, missing, short_job, blank});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find(missing), std::string::npos);
  EXPECT_NE(run.err.find(short_job), std::string::npos);
  EXPECT_EQ(run.out.find(short_job), std::string::npos);

  const std::string blank_part = run.out.substr(run.out.find(blank));
  // The blank job keeps the results of the job before it, shows the Missing Data box and
  // reports the altitude it wrote.
  EXPECT_NE(blank_part.find("\"lblK\": \"4.77\""), std::string::npos);
  EXPECT_NE(blank_part.find("\"txtAltitude\": \"0\""), std::string::npos);
  EXPECT_NE(blank_part.find("{\"caption\": \"Missing Data\", \"text\": \"You must provide "
                            "values for: \\n\\r    Exhuast Temperature\\n\\r"),
            std::string::npos);
}

// Report and mail read contact.dat from the current directory: each test runs in a folder
// of its own.
using InFolder = formkit::testing::InTempFolderTest;

// The vent program saves the contact through the same shared writer; whatever it saved
// heads the exhaust report and signs the exhaust mail.
TEST_F(InFolder, AContactSavedByEitherProgramHeadsTheReport) {
  formkit::CliServices services;
  services.report_date = "3/4/2026";
  const CliRun missing = Cli({"report", "--test-job", "--text"}, services);
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("Error printing report, please complete Contact Information"),
            std::string::npos);

  formkit::ContactInfo contact;
  contact.fields = {"Lee Vent", "Corvane", "", "", "Erie", "PA", "16501", "", "", "", ""};
  ASSERT_TRUE(formkit::WriteContactFile(contact));
  const CliRun run = Cli({"report", "--test-job", "--text"}, services);
  EXPECT_EQ(run.status, 0);
  const std::string z2(28, ' '), z3(42, ' ');
  const std::string head = "\n\n\n\n" + z2 + "Contact Information\n" + z2 +
                           "Prepared by:Lee Vent\n" + z3 + "Corvane\n" + z3 +
                           "Erie, PA 16501\n" + z3 + "3/4/2026\n\n" + z2 + "Given Information\n";
  EXPECT_EQ(run.out.substr(0, head.size()), head);
  EXPECT_NE(run.out.find("System K" + std::string(20, ' ') + "         4.77 \n"),
            std::string::npos);

  // --sheet adds the calculation sheet after the report, from a new page.
  const CliRun sheet = Cli({"report", "--test-job", "--sheet", "--text"}, services);
  EXPECT_EQ(sheet.status, 0);
  EXPECT_EQ(sheet.out.rfind(run.out, 0), 0u);
  EXPECT_EQ(sheet.out.substr(run.out.size(), 1), "\f");
  EXPECT_NE(sheet.out.find("Pass 3 system K", run.out.size()), std::string::npos);
  EXPECT_EQ(Cli({"calc", "--test-job", "--sheet"}).status, 64);

  const CliRun mail = Cli({"mail", "--test-job", "--print"});
  EXPECT_EQ(mail.status, 0);
  EXPECT_EQ(mail.out.rfind("Corvane Inc. Exhaust Sizing Information\r\n"
                           "This Email is being sent to you from: Lee Vent\r\n\r\n\r\n"
                           "Exhaust Temperature:          750\r\n",
                           0),
            0u);
  const std::string tail = "Local Barometric Pressure:     28.51\r\n\r\n";
  EXPECT_EQ(mail.out.substr(mail.out.size() - tail.size()), tail);
}

TEST_F(InFolder, ReportsAndMailGoToTheirServicesAndFailuresExitWithOne) {
  ASSERT_TRUE(formkit::WriteContactFile(formkit::ContactInfo{}));
  JobRecord job{};
  job = {"c", "d", "750", "15000", "6", "", "125"};
  const std::string path = WriteFile("ex_report.exh", WriteJobRecord(job));

  formkit::CliServices services;
  std::string pdf_path;
  bool pdf_ok = true;
  formkit::Paper pdf_paper = formkit::Paper::kLetter;
  services.paper = formkit::Paper::kA4;  // the user's
  services.write_pdf = [&](const formkit::Report& report, const std::string& out,
                           formkit::Paper paper, std::string* error) {
    pdf_path = out;
    pdf_paper = paper;
    if (!pdf_ok) *error = "disk full";
    return pdf_ok && !report.lines.empty();
  };
  EXPECT_EQ(Cli({"report", path, "--pdf", "out.pdf"}, services).status, 0);
  EXPECT_EQ(pdf_path, "out.pdf");
  EXPECT_EQ(pdf_paper, formkit::Paper::kA4);
  // --paper chooses over the user's paper; any other paper is a usage error.
  EXPECT_EQ(Cli({"report", path, "--paper", "Letter", "--pdf", "out.pdf"}, services).status, 0);
  EXPECT_EQ(pdf_paper, formkit::Paper::kLetter);
  EXPECT_EQ(Cli({"report", path, "--paper=a4", "--pdf", "out.pdf"}, services).status, 0);
  EXPECT_EQ(pdf_paper, formkit::Paper::kA4);
  EXPECT_EQ(Cli({"report", path, "--paper", "legal", "--pdf", "out.pdf"}, services).status, 64);
  pdf_ok = false;
  const CliRun failed = Cli({"report", path, "--pdf", "out.pdf"}, services);
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.err.find("disk full"), std::string::npos);
  EXPECT_EQ(Cli({"report", path, "--pdf", "out.pdf"}).status, 1);  // no PDF writer here

  formkit::testing::RecordingSender sender;
  services.mail = &sender;
  EXPECT_EQ(Cli({"mail", path}, services).status, 0);
  ASSERT_EQ(sender.sent.size(), 1u);
  // The job was calculated first: a blank altitude became "0".
  EXPECT_NE(sender.sent[0].body.find("Altitude:                     0\r\n"), std::string::npos);
  sender.accept = false;
  const CliRun refused = Cli({"mail", path}, services);
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("Email was not sent."), std::string::npos);
  EXPECT_EQ(Cli({"mail", "nowhere.exh", "--print"}).status, 2);
}

TEST(CommandLine, UsageErrorsAndHelp) {
  EXPECT_EQ(Cli({"report", "--test-job"}).status, 64);
  EXPECT_EQ(Cli({"report", "--test-job", "--text", "--pdf", "x.pdf"}).status, 64);
  EXPECT_EQ(Cli({"report", "a.exh", "b.exh", "--text"}).status, 64);
  EXPECT_EQ(Cli({"mail", "--json", "a.exh"}).status, 64);
  EXPECT_EQ(Cli({"calc"}).status, 64);
  EXPECT_EQ(Cli({"calc", "--test-job", "x.exh"}).status, 64);
  EXPECT_EQ(Cli({"calc", "--frobnicate", "x.exh"}).status, 64);
  EXPECT_EQ(Cli({"bogus"}).status, 64);
  const CliRun help = Cli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("exhaust calc --test-job"), std::string::npos);
  EXPECT_TRUE(formkit::IsJobCommandLine({"calc"}));
  EXPECT_TRUE(formkit::IsJobCommandLine({"mail"}));
  EXPECT_FALSE(formkit::IsJobCommandLine({}));
}

}  // namespace
}  // namespace exhaust
