// Stand-in programs for tests of code that starts programs without waiting for them. Each
// stand-in waits on a named pipe (the gate) that the test opens only after the call came
// back, so a call that waited for its program would never return; then it writes its
// arguments, one a line, to one output file, whole or not at all.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "platform/test_folder.h"

namespace platform::testing {

class GatedStandIns {
 public:
  // Makes the gate in `dir`, which must exist.
  explicit GatedStandIns(std::filesystem::path dir) : dir_(std::move(dir)), gate_(dir_ / "gate") {
    made_ = ::mkfifo(gate_.c_str(), 0600) == 0;
  }
  bool made() const { return made_; }

  // Writes an executable stand-in at `path`; `preamble` runs first (e.g. "PATH=/usr/bin").
  std::string Write(const std::filesystem::path& path, const std::string& preamble = "") const {
    const std::string tmp = (dir_ / "out.tmp").string();
    std::ofstream(path) << "#!/bin/sh\n"
                        << preamble << (preamble.empty() ? "" : "\n") << "read go < '"
                        << gate_.string() << "'\n"
                        << "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" << tmp << "'\nmv '"
                        << tmp << "' '" << Out() << "'\n";
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path.string();
  }

  std::string Out() const { return (dir_ / "out").string(); }

  // Lets the stand-ins go on and gives what the one that ran wrote (empty after 5 s).
  std::string OpenGateAndRead() const {
    std::ofstream(gate_) << "go\n";
    for (int i = 0; i < 500 && !std::filesystem::exists(Out()); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(Out());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

 private:
  std::filesystem::path dir_;
  std::filesystem::path gate_;
  bool made_ = false;
};

// The fixture of tests against stand-ins: a folder of the test's own (named after its suite)
// with the stand-ins' gate in it, removed after the test.
class StandInTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = MakeTestFolder(test->test_suite_name());
    stand_ins_ = std::make_unique<GatedStandIns>(dir_);
    ASSERT_TRUE(stand_ins_->made());
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string OpenGateAndRead() { return stand_ins_->OpenGateAndRead(); }

  std::filesystem::path dir_;
  std::unique_ptr<GatedStandIns> stand_ins_;
};

}  // namespace platform::testing
