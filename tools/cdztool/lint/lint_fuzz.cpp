// libFuzzer target: the lint over any data file, with a disk that holds every other name.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "browser/doc/data_file.h"
#include "lint.h"

namespace {

class AlternateFiles : public cdztool::LintFiles {
 public:
  bool Exists(const std::string& path) const override { return path.size() % 2 == 0; }
  bool IsProgram(const std::string& path) const override { return path.size() % 3 == 0; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const browser::CDataFile file = browser::CDataFile::FromText(
      std::string_view(reinterpret_cast<const char*>(data), size));
  const AlternateFiles files;
  const cdztool::LintPlace place{"/cd/", {"panorel.cdb", "about.cdb"}, &files};
  volatile size_t findings = cdztool::LintDataFile(file, place).size();
  (void)findings;
  return 0;
}
