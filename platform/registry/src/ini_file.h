#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// An INI-style text file in memory: groups of name=value lines. Names and values are kept
// unescaped here; the file escapes "%", "=", "]" and line ends as %XX.
struct IniFile {
  struct Entry {
    std::string name;
    std::string value;
  };
  struct Group {
    std::string name;
    std::vector<Entry> entries;
  };
  std::vector<Group> groups;

  // Lines outside any group and lines without "=" are dropped.
  static IniFile Parse(std::string_view text);
  std::string Serialize() const;

  // First group / entry whose name matches without regard to ASCII case.
  Group* FindGroup(std::string_view name);
  const Group* FindGroup(std::string_view name) const;
  static const Entry* FindEntry(const Group& group, std::string_view name);
  void Set(std::string_view group, std::string_view name, std::string value);
};

// Reads a whole file; false when it cannot be opened.
bool ReadFileText(const std::string& path, std::string& text);

}  // namespace platform
