#pragma once

// The fixture of the main window's tests: a window over a fake window host, fake pictures and
// files in memory, its trace written to a temporary file the test reads back.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "browser/page/main_wnd.h"
#include "browser/script/id_manager.h"
#include "page_test_support.h"
#include "test_files.h"

namespace browser::testing {

class MainWndFixture : public ::testing::Test {
 protected:
  MainWndFixture() : trace_file_(std::tmpfile()) {}
  ~MainWndFixture() override { std::fclose(trace_file_); }

  // A window of the program `program` in the test folder.
  CMainWnd& Make(const std::string& program = "browser") {
    CMainWnd::Services services{window_, dir_.files};
    services.pictures = &pictures_;
    services.program_path = dir_.Path(program);
    services.trace = Trace(trace_file_);
    CompleteServices(services);
    wnd_ = std::make_unique<CMainWnd>(ids_, std::move(services));
    return *wnd_;
  }
  // What a test adds to the window's services.
  virtual void CompleteServices(CMainWnd::Services& services) { (void)services; }
  // Hands the posted requests back, as the window's event loop does after the script.
  void Pump() { PumpRequests(window_, *wnd_); }
  std::vector<std::string> TraceLines() { return TraceFileLines(trace_file_); }
  // The trace lines that start with `prefix`, each without its first `drop` characters.
  std::vector<std::string> TraceLinesStarting(std::string_view prefix, size_t drop) {
    std::vector<std::string> lines;
    for (const std::string& l : TraceLines()) {
      if (l.rfind(prefix, 0) == 0) lines.push_back(l.substr(drop));
    }
    return lines;
  }

  MemoryDir dir_;
  FakeWindow window_;
  FakePictures pictures_;
  CIdManager ids_;
  std::FILE* trace_file_;
  std::unique_ptr<CMainWnd> wnd_;
};

}  // namespace browser::testing
