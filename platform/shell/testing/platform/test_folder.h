// A folder of the running test's own for tests about the disk and programs.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace platform::testing {

// Makes an empty folder under `root` named after `prefix`, the process and the running test,
// so that tests running side by side never share one; the test removes it.
inline std::filesystem::path MakeTestFolder(
    const std::string& prefix, const std::filesystem::path& root = ::testing::TempDir()) {
  const std::filesystem::path dir =
      root / (prefix + "_" + std::to_string(::getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

}  // namespace platform::testing
