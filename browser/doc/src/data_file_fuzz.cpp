// Fuzzes the data file's line matching and value conversions: the input's first line
// names a section and a key, the rest are the data file's lines.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "browser/doc/data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  browser::CDataFile file = browser::CDataFile::FromText(text);
  const std::string query = file.Lines().front();
  const size_t split = query.find(' ');
  const std::string section = query.substr(0, split);
  const std::string key = split == std::string::npos ? "" : query.substr(split + 1);

  std::string s;
  int32_t i32 = 0;
  int16_t i16 = 0;
  double d = 0;
  bool b = false;
  file.ReadString(section, key, s);
  file.ReadLong(section, key, i32);
  file.ReadInt(section, key, i32);
  file.ReadShort(section, key, i16);
  file.ReadDouble(section, key, d);
  file.ReadBool(section, key, b);
  file.ReadMultiline(section, key, s);
  file.WriteInt(section, key, i32);
  // A value just written reads back, unless its line happens to look like a header.
  const std::string written = s;
  file.WriteString(key, section, written);
  std::string back;
  if (!browser::IsSectionHeader(section + " = " + written) &&
      (!file.ReadString(key, section, back) || back != written)) {
    abort();
  }
  return 0;
}
