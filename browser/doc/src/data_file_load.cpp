// CDataFile::Load: one member out of a document container.
#include <optional>

#include "browser/doc/cdz_reader.h"
#include "browser/doc/data_file.h"
#include "browser/doc/memory_budget.h"
#include "browser/doc/no_case.h"
#include "platform/paths.h"

namespace browser {
namespace {

// "D:\Cd\show.cdz" and "/media/cd/show.cdz" both give "show.cdb".
std::string MemberNameOfContainer(const std::string& path) {
  return platform::ReplaceExtension(platform::FilePart(path), ".cdb");
}

}  // namespace

Status CDataFile::Load(platform::FileSystem& files, const std::string& container_path,
                       const std::string& member_name, MemoryBudget* budget, uint64_t* taken) {
  Clear();
  if (taken != nullptr) *taken = 0;
  const auto read_lines = [&](CdzReader& reader) {
    if (budget != nullptr) reader.set_budget(budget);
    Status s = reader.ReadLines(&Lines());
    if (taken != nullptr) *taken = reader.taken();
    return s;
  };
  const std::string fallback_name = MemberNameOfContainer(container_path);

  // First pass: take the requested member as soon as it comes; note where the fallback is.
  CdzReader reader;
  Status s = reader.Open(files, container_path);
  if (!s.ok()) return s;
  size_t count = 0;
  std::optional<size_t> fallback;
  Status scan;
  for (;;) {
    CdzMemberHeader header;
    bool at_end = false;
    scan = reader.NextMember(&header, &at_end);
    if (!scan.ok() || at_end) break;
    if (EqualsNoCase(header.name, member_name)) {
      name_ = header.name;
      return read_lines(reader);
    }
    if (!fallback && EqualsNoCase(header.name, fallback_name)) fallback = count;
    ++count;
    scan = reader.SkipText();
    if (!scan.ok()) break;
  }
  if (count == 0) {
    return scan.ok() ? Status::NotFound(container_path + ": no members") : scan;
  }

  // Second pass: the member named after the container, else the first one.
  const size_t target = fallback.value_or(0);
  CdzReader again;
  s = again.Open(files, container_path);
  for (size_t i = 0; s.ok(); ++i) {
    CdzMemberHeader header;
    bool at_end = false;
    s = again.NextMember(&header, &at_end);
    if (!s.ok()) break;
    if (at_end) return Status::IOError(container_path + ": changed while being read");
    if (i == target) {
      name_ = header.name;
      return read_lines(again);
    }
    s = again.SkipText();
  }
  return s;
}

}  // namespace browser
