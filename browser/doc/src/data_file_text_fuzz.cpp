// Fuzzes the reading of a data file written as text: whatever the bytes, a text that passes
// the check gives lines no longer than a line read, without line ends, with [Main] among them,
// and the budget gets back exactly what it gave.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "browser/doc/cdz_reader.h"
#include "browser/doc/folder_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  browser::MemoryBudget budget(uint64_t{1} << 20);
  uint64_t taken = 0;
  browser::CDataFile file;
  const browser::Status s = browser::ParseDataFileText("fuzz.cdb", text, &file, &budget, &taken);
  if (taken != budget.used()) abort();
  if (!s.ok()) {
    if (!file.Lines().empty() || taken != 0) abort();
    return 0;
  }
  bool has_main = false;
  for (const std::string& line : file.Lines()) {
    if (line.size() > browser::kMaxCdzLineSize || line.find('\n') != std::string::npos) abort();
    has_main = has_main || line == "[Main]";
  }
  if (!has_main) abort();
  return 0;
}
