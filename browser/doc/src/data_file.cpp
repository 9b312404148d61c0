#include "browser/doc/data_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "browser/doc/no_case.h"
#include "platform/file_system.h"
#include "value_text.h"

namespace browser {
namespace {

std::string KeyPrefix(std::string_view key) {
  std::string prefix(key);
  prefix += " = ";
  return prefix;
}


// Stores what `parse` makes of a key's text into `value` when the key is there; answers
// whether it was.
template <typename Value, typename Parse>
bool StoreParsed(std::optional<std::string_view> text, Value& value, Parse parse) {
  if (text) value = parse(*text);
  return text.has_value();
}
}  // namespace

CDataFile::~CDataFile() = default;

bool IsSectionHeader(std::string_view line) {
  return line.size() > 2 && line.front() == '[' && line.back() == ']';
}

void CDataFile::BuildIndex() const {
  section_index_.clear();
  for (size_t i = 0; i < lines_.size(); ++i) {
    const std::string& line = lines_[i];
    // "[]" is no header, but the empty section name finds it, as every "[name]" line.
    if (IsSectionHeader(line) || line == "[]") {
      section_index_.try_emplace(line.substr(1, line.size() - 2), i);
    }
  }
  index_valid_ = true;
}

std::optional<size_t> CDataFile::FindSection(std::string_view name) const {
  if (!index_valid_) BuildIndex();
  auto it = section_index_.find(std::string(name));
  if (it == section_index_.end()) return std::nullopt;
  return it->second;
}

namespace {

// The number a section name ends with, spelt as "%d" spells it, and the name before it.
std::optional<std::pair<std::string_view, int64_t>> SplitNumber(std::string_view name) {
  size_t start = name.size();
  while (start > 0 && name[start - 1] >= '0' && name[start - 1] <= '9') --start;
  const std::string_view digits = name.substr(start);
  if (digits.empty() || digits.size() > 10 || digits[0] == '0') return std::nullopt;
  int64_t n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return std::pair{name.substr(0, start), n};
}

}  // namespace

std::vector<int64_t> CDataFile::NumberedSections(std::string_view prefix) const {
  std::vector<int64_t> numbers;
  if (prefix.empty() || (prefix.back() >= '0' && prefix.back() <= '9')) {
    // The digits could start inside the prefix: the names are compared as they stand.
    for (const std::string& line : lines_) {
      if (!IsSectionHeader(line)) continue;
      const std::string_view name = std::string_view(line).substr(1, line.size() - 2);
      if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) continue;
      const std::string_view rest = name.substr(prefix.size());
      if (auto split = SplitNumber(rest); split && split->first.empty()) {
        numbers.push_back(split->second);
      }
    }
  } else {
    if (!numbered_valid_) {
      numbered_index_.clear();
      for (const std::string& line : lines_) {
        if (!IsSectionHeader(line)) continue;
        const std::string_view name = std::string_view(line).substr(1, line.size() - 2);
        if (auto split = SplitNumber(name); split && !split->first.empty()) {
          numbered_index_[std::string(split->first)].push_back(split->second);
        }
      }
      numbered_valid_ = true;
    }
    auto it = numbered_index_.find(std::string(prefix));
    if (it != numbered_index_.end()) numbers = it->second;
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

size_t CDataFile::FindOrAddSection(std::string_view name) {
  if (auto found = FindSection(name)) return *found;
  numbered_valid_ = false;
  lines_.push_back("[" + std::string(name) + "]");
  section_index_.try_emplace(std::string(name), lines_.size() - 1);
  return lines_.size() - 1;
}

std::optional<CDataFile::KeyLine> CDataFile::FindKey(size_t from, std::string_view key) const {
  const std::string prefix = KeyPrefix(key);
  for (size_t i = from; i < lines_.size() && !IsSectionHeader(lines_[i]); ++i) {
    if (StartsWithNoCase(lines_[i], prefix)) {
      return KeyLine{i, std::string_view(lines_[i]).substr(prefix.size())};
    }
  }
  return std::nullopt;
}

std::optional<std::string_view> CDataFile::FindValue(std::string_view section,
                                                     std::string_view key) const {
  auto header = FindSection(section);
  if (!header) return std::nullopt;
  auto found = FindKey(*header + 1, key);
  if (!found) return std::nullopt;
  return found->value;
}

bool CDataFile::ReadString(std::string_view section, std::string_view key,
                           std::string& value) const {
  return StoreParsed(FindValue(section, key), value,
                     [](std::string_view text) { return std::string(text); });
}

bool CDataFile::ReadLong(std::string_view section, std::string_view key, int32_t& value) const {
  return StoreParsed(FindValue(section, key), value, ParseLong);
}

bool CDataFile::ReadInt(std::string_view section, std::string_view key, int32_t& value) const {
  return StoreParsed(FindValue(section, key), value, ParseInt);
}

bool CDataFile::ReadShort(std::string_view section, std::string_view key, int16_t& value) const {
  return StoreParsed(FindValue(section, key), value,
                     [](std::string_view text) { return static_cast<int16_t>(ParseInt(text)); });
}

bool CDataFile::ReadDouble(std::string_view section, std::string_view key, double& value) const {
  return StoreParsed(FindValue(section, key), value, ParseDouble);
}

bool CDataFile::ReadBool(std::string_view section, std::string_view key, bool& value) const {
  return StoreParsed(FindValue(section, key), value, [](std::string_view text) {
    return text.find("true") != std::string_view::npos;
  });
}

bool CDataFile::ReadMultiline(std::string_view section, std::string_view key,
                              std::string& value) const {
  auto text = FindValue(section, key);
  if (!text) return false;
  value.assign(*text);
  for (char& c : value) {
    if (static_cast<unsigned char>(c) == 0xE7) {
      c = '\r';
    } else if (c == '|') {
      c = '\n';
    }
  }
  return true;
}

bool CDataFile::ReadVariant(std::string_view section, std::string_view key, uint16_t type,
                            platform::Variant& value) const {
  if (type == platform::VT_EMPTY || type == platform::VT_NULL) return false;
  auto text = FindValue(section, key);
  if (!text) return false;
  switch (type) {
    case platform::VT_I2:
      value = platform::Variant::I4(ParseInt(*text));
      break;
    case platform::VT_I4:
      value = platform::Variant::I4(ParseLong(*text));
      break;
    case platform::VT_R4:
    case platform::VT_R8:
      value = platform::Variant::R8(ParseDouble(*text));
      break;
    case platform::VT_UI4:
      value = platform::Variant::I4(ParseLong(*text));
      value.ChangeType(platform::VT_UI4);
      break;
    default:
      // A failed change keeps the text.
      value = platform::Variant::Utf8(*text);
      value.ChangeType(static_cast<platform::VarType>(type));
      break;
  }
  return true;
}

void CDataFile::WriteLine(std::string_view section, std::string_view key,
                          std::string_view value) {
  const size_t header = FindOrAddSection(section);
  std::string line = KeyPrefix(key);
  line += value;
  if (auto found = FindKey(header + 1, key)) {
    lines_[found->index] = std::move(line);
  } else {
    // Every later header moves down one line.
    const bool header_line = IsSectionHeader(line) || line == "[]";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(header) + 1, std::move(line));
    for (auto& entry : section_index_) {
      if (entry.second > header) ++entry.second;
    }
    if (header_line) index_valid_ = numbered_valid_ = false;
  }
}

bool CDataFile::WriteInt(std::string_view section, std::string_view key, int32_t value) {
  WriteLine(section, key, std::to_string(value));
  return true;
}

bool CDataFile::WriteString(std::string_view section, std::string_view key,
                            std::string_view value) {
  WriteLine(section, key, value);
  return true;
}

bool CDataFile::WriteVariant(std::string_view section, std::string_view key,
                             const platform::Variant& value) {
  std::string text;
  if (value.type() == platform::VT_BOOL) {
    text = value.IntValue() != 0 ? "TRUE" : "FALSE";
  } else {
    text = value.TextUtf8().value_or(std::string());
  }
  WriteLine(section, key, text);
  return true;
}

CDataFile CDataFile::FromText(std::string_view text) {
  CDataFile file;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    file.lines_.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return file;
}

bool CDataFile::LoadText(platform::FileSystem& files, const std::string& path) {
  return ReadText(files, path).ok() && !lines_.empty();
}

Status CDataFile::ReadText(platform::FileSystem& files, const std::string& path) {
  lines_.clear();
  index_valid_ = false;
  numbered_valid_ = false;
  std::string text, error;
  if (!files.ReadFile(path, kMaxTextFileBytes, &text, &error)) {
    if (error == std::strerror(ENOENT)) return Status::NotFound(path + ": " + error);
    return Status::IOError(path + ": " + error);
  }
  std::string pending;
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      if (!pending.empty()) lines_.push_back(std::move(pending));
      pending.clear();
    } else {
      pending += c;
    }
  }
  // Text after the last line end is not a line.
  return Status::OK();
}

Status CDataFile::SaveText(platform::FileSystem& files, const std::string& path) const {
  std::string text;
  for (const std::string& line : lines_) text.append(line).append(line_end_);
  const int code = files.Replace(path, text);
  return code == 0 ? Status::OK() : Status::IOError(path + ": " + std::strerror(code));
}

}  // namespace browser
