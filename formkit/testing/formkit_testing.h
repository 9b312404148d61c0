// What the sizing programs' tests share: a private folder per test (optionally the current
// one), a mail sender that records what it is given, and running a command line.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <map>
#include <random>
#include <span>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "formkit/calc_sheet.h"
#include "formkit/form.h"
#include "formkit/host.h"
#include "formkit/job_cli.h"
#include "recording_sender.h"

namespace formkit::testing {

// A folder of the test's own, emptied before and removed after it.
class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::path(::testing::TempDir()) /
          ("corvane_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override {
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(dir);
  }
  // Writes `bytes` to the file `name` in the folder; gives its path.
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return (dir / name).string();
  }
  std::filesystem::path dir;
};

// The same folder as the current directory, where the programs keep contact.dat.
class InTempFolderTest : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    old_ = std::filesystem::current_path();
    std::filesystem::current_path(dir);
  }
  void TearDown() override {
    std::filesystem::current_path(old_);
    TempFolderTest::TearDown();
  }

 private:
  std::filesystem::path old_;
};

// Fails the running test unless `host` showed exactly one message box, with this caption
// and this text.
inline void ExpectOneMessage(const RecordingHost& host, const std::string& caption,
                             const std::string& text) {
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].caption, caption);
  EXPECT_EQ(host.messages[0].text, text);
}

// Types each text into its box, in order, as a user filling in the form does.
inline void SetTexts(Form& form, std::initializer_list<std::pair<const char*, const char*>> texts) {
  for (const auto& [box, text] : texts) form.SetText(box, text);
}

// The texts of the controls `names` on the form, by name.
template <typename Names>
std::map<std::string, std::string> TextsOf(const Form& form, const Names& names) {
  std::map<std::string, std::string> texts;
  for (const char* name : names) texts[name] = form.Text(name);
  return texts;
}

struct CliRun {
  int status;
  std::string out, err;
};

// Runs a command of `program` and keeps its status and output.
inline CliRun RunCli(const JobCliProgram& program, const std::vector<std::string>& args,
                     const CliServices& services) {
  std::ostringstream out, err;
  const int status = RunJobCommandLine(program, args, out, err, services);
  return {status, out.str(), err.str()};
}

// The first entry of the sheet named `name`; none when there is none.
inline const SheetEntry* Named(const CalcSheet& sheet, const std::string& name) {
  for (const auto& section : sheet.sections())
    for (const auto& entry : section.entries)
      if (entry.name == name) return &entry;
  return nullptr;
}

// A number text of up to seven characters between `low` and `high`, as a user types one.
inline std::string Sensible(std::mt19937& rng, double low, double high) {
  return std::to_string(std::uniform_real_distribution<double>(low, high)(rng)).substr(0, 7);
}

// A text as a user types one or a job file holds it: a quarter of the time one of `odd`, a
// quarter a whole number from -50 to `whole_max`, else a number from 0 to `decimal_max`
// written with six decimals and cut to `length` characters.
inline std::string GeneratedInput(std::mt19937& rng, std::span<const char* const> odd,
                                  int whole_max, double decimal_max, size_t length) {
  switch (std::uniform_int_distribution<int>(0, 3)(rng)) {
    case 0: return odd[std::uniform_int_distribution<int>(0, std::ssize(odd) - 1)(rng)];
    case 1: return std::to_string(std::uniform_int_distribution<int>(-50, whole_max)(rng));
    default: {
      const double v = std::uniform_real_distribution<double>(0, decimal_max)(rng);
      return std::to_string(v).substr(0, length);
    }
  }
}

// How many of `labels` have a result on the sheet; each that has must be the caption the
// label shows (a failure names the label).
template <typename Labels>
int ResultsAsShown(const CalcSheet& sheet, const Form& form, const Labels& labels) {
  int results = 0;
  for (const char* label : labels) {
    const SheetEntry* result = sheet.Result(label);
    if (!result) continue;
    ++results;
    EXPECT_EQ(result->value, form.Text(label)) << label;
  }
  return results;
}

}  // namespace formkit::testing
