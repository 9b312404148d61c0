#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "exhaust/cli.h"
#include "exhaust/job_record.h"

namespace exhaust {
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

TEST(CommandLine, UsageErrorsAndHelp) {
  EXPECT_EQ(Cli({"calc"}).status, 64);
  EXPECT_EQ(Cli({"calc", "--test-job", "x.exh"}).status, 64);
  EXPECT_EQ(Cli({"calc", "--frobnicate", "x.exh"}).status, 64);
  EXPECT_EQ(Cli({"bogus"}).status, 64);
  const CliRun help = Cli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("exhaust calc --test-job"), std::string::npos);
  EXPECT_TRUE(IsCommandLine({"calc"}));
  EXPECT_FALSE(IsCommandLine({}));
}

}  // namespace
}  // namespace exhaust
