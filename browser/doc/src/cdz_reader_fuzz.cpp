// Fuzzes the container reader with arbitrary files, plain or gzip-compressed, through the
// same zlib file functions the browser uses. The bytes are served from an in-memory file.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "browser/doc/data_file.h"
#include "browser/doc/multi_file_cdz.h"

namespace {

const std::string& MemoryFilePath() {
  static const std::string path = [] {
    int fd = memfd_create("cdz_fuzz", 0);
    if (fd < 0) abort();
    return "/proc/self/fd/" + std::to_string(fd);
  }();
  return path;
}

void Store(const uint8_t* data, size_t size) {
  int fd = std::stoi(MemoryFilePath().substr(14));
  if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Store(data, size);
  browser::CMultiFileCdz cdz;
  browser::Status s = cdz.LoadAll(MemoryFilePath());
  for (size_t i = 0; i < cdz.Count(); ++i) {
    for (const std::string& line : cdz.At(i)->Lines()) {
      if (line.size() > 1023) abort();
    }
  }
  if (cdz.Count() > 0) {
    cdz.FindMember(cdz.At(0)->Name());
    cdz.Next(cdz.At(0));
  }
  browser::CDataFile file;
  file.Load(MemoryFilePath(), "page.cdb");
  return 0;
}
