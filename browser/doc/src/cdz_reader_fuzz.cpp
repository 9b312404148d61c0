// Fuzzes the container reader with arbitrary files, plain or gzip-compressed, read through
// the same stream the browser uses. The bytes are served from a file in memory.
#include <cstddef>
#include <cstdint>
#include <string>

#include "browser/doc/data_file.h"
#include "browser/doc/multi_file_cdz.h"
#include "platform/memory_file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::MemoryFileSystem files;
  const std::string path = "/fuzz/input.cdz";
  files.WriteFile(path, std::string(reinterpret_cast<const char*>(data), size));
  browser::CMultiFileCdz cdz;
  browser::Status s = cdz.LoadAll(files, path);
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
  file.Load(files, path, "page.cdb");
  return 0;
}
