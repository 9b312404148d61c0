#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "browser/doc/status.h"
#include "platform/variant.h"

namespace platform {
class FileSystem;
}

namespace browser {

class MemoryBudget;

// One data file of a document in memory: an ordered list of lines.
//
// A section header is a line of more than two characters that starts with "[" and ends
// with "]"; the section runs to the next header. A key line inside a section starts with
// the key, " = ", and the rest of the line is the raw value (no quoting, no escapes,
// trailing blanks included). Every other line is never matched. Sections are found by
// exact comparison of the whole line with "[name]", the first one winning; keys without
// regard to case, the first one in the section winning. A key above the first header
// belongs to no section and is never found.
//
// Every getter returns whether the key was found and stores into `value` only then, so the
// caller's default stands for a missing key.
class CDataFile {
 public:
  CDataFile() = default;
  CDataFile(const CDataFile&) = default;
  CDataFile& operator=(const CDataFile&) = default;
  virtual ~CDataFile();

  // Whoever changes the lines through this reference must do so before the next read.
  std::vector<std::string>& Lines() {
    index_valid_ = false;
    numbered_valid_ = false;
    return lines_;
  }
  const std::vector<std::string>& Lines() const { return lines_; }
  // The member name the data file had in its container; empty for a plain text file.
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  // Written after every line by SaveText: CR LF.
  const std::string& LineEnd() const { return line_end_; }

  void Clear() {
    lines_.clear();
    index_valid_ = false;
    numbered_valid_ = false;
  }

  // Clears the lines, then takes one member of the container at `container_path` (read
  // through `files`): the one
  // named `member_name` (without regard to case), else the one named after the container
  // (its file name with the extension ".cdb"), else the first. NotFound when no member
  // was taken (lines empty). Corruption when the member was taken but its text is
  // truncated: Name and the lines read so far are kept. Only the first kMaxCdzMembers
  // members are looked at (see CdzReader). With a budget, the lines are taken from it and *taken
  // says how much (the caller gives it back when the lines go).
  Status Load(platform::FileSystem& files, const std::string& container_path,
              const std::string& member_name, MemoryBudget* budget = nullptr,
              uint64_t* taken = nullptr);

  // A data file of `text` split at every LF, as it stands otherwise (a CR stays in its line;
  // the text after the last LF is a line too). For text from memory, such as fuzz input.
  static CDataFile FromText(std::string_view text);

  // Reads a plain text file through `files`, replacing the lines: lines end at every CR and
  // every LF, empty lines are dropped and text after the last line end is ignored. True if
  // at least one line was read.
  bool LoadText(platform::FileSystem& files, const std::string& path);
  // As LoadText: NotFound for a missing file; IOError for one that cannot be read, is no
  // regular file (a FIFO, a device) or is larger than kMaxTextFileBytes (lines empty).
  Status ReadText(platform::FileSystem& files, const std::string& path);
  // Text files are settings and documents: none is larger.
  static constexpr size_t kMaxTextFileBytes = size_t{16} << 20;
  // Writes every line followed by LineEnd() in place of the file at `path` (FileSystem::
  // Replace), so `path` holds either its old text or the whole new one.
  Status SaveText(platform::FileSystem& files, const std::string& path) const;

  std::optional<size_t> FindSection(std::string_view name) const;
  // The numbers n of the section headers "[<prefix>n]" with n spelt as "%d" spells it (no
  // sign, no leading zero, at most ten digits), ascending and without repeats. An index of
  // every header, built on the first call after the lines changed, answers a prefix that ends
  // in anything but a digit; other prefixes scan the file.
  std::vector<int64_t> NumberedSections(std::string_view prefix) const;
  // As FindSection; a missing section gets its header appended at the end.
  size_t FindOrAddSection(std::string_view name);

  struct KeyLine {
    size_t index;
    std::string_view value;  // valid until the lines change
  };
  // Scans from `from` up to the next section header or the end.
  std::optional<KeyLine> FindKey(size_t from, std::string_view key) const;

  bool ReadString(std::string_view section, std::string_view key, std::string& value) const;
  // Base 0: "0x1F" hexadecimal, "017" octal, otherwise decimal. 32-bit, saturating.
  bool ReadLong(std::string_view section, std::string_view key, int32_t& value) const;
  // Decimal only: "0x100" reads as 0.
  bool ReadInt(std::string_view section, std::string_view key, int32_t& value) const;
  // As ReadInt, cut to 16 bits.
  bool ReadShort(std::string_view section, std::string_view key, int16_t& value) const;
  bool ReadDouble(std::string_view section, std::string_view key, double& value) const;
  // True when the value contains the lower-case text "true" anywhere ("TRUE" is false).
  bool ReadBool(std::string_view section, std::string_view key, bool& value) const;
  // The raw value with every byte 0xE7 turned into CR and every "|" into LF.
  bool ReadMultiline(std::string_view section, std::string_view key, std::string& value) const;
  // By type code: empty and null read nothing (false, value unchanged); I2 reads as
  // ReadInt and I4 as ReadLong into a 4-byte integer; R4 and R8 as ReadDouble into a
  // double; UI4 as ReadLong, then changed to UI4; any other type is the text changed to
  // that type (a failed change leaves the text).
  bool ReadVariant(std::string_view section, std::string_view key, uint16_t type,
                   platform::Variant& value) const;

  // The setters find or add the section, then replace the key line in place or insert it
  // directly after the section header, as "key = value".
  bool WriteInt(std::string_view section, std::string_view key, int32_t value);
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  // A boolean is written "TRUE" or "FALSE", anything else as its text (empty when the
  // variant has none).
  bool WriteVariant(std::string_view section, std::string_view key, const platform::Variant& value);

 private:
  std::optional<std::string_view> FindValue(std::string_view section, std::string_view key) const;
  void WriteLine(std::string_view section, std::string_view key, std::string_view value);

  void BuildIndex() const;

  std::vector<std::string> lines_;
  // Where each section's first header is, built on the first look-up after the lines
  // changed, so that finding a section does not scan the file.
  mutable std::unordered_map<std::string, size_t> section_index_;
  mutable bool index_valid_ = false;
  // Section numbers by the name before them ("Element_" for "[Element_12]"), so that the
  // objects of a document find their numbered sections without a scan each.
  mutable std::unordered_map<std::string, std::vector<int64_t>> numbered_index_;
  mutable bool numbered_valid_ = false;
  std::string name_;
  std::string line_end_ = "\r\n";
};

// True when the line is a section header.
bool IsSectionHeader(std::string_view line);

}  // namespace browser
