#include "ini_file.h"

#include <cstdio>

#include "platform/ascii_case.h"
#include "platform/text_lines.h"

namespace platform {
namespace {

std::string Escape(std::string_view text, std::string_view special) {
  std::string out;
  for (char c : text) {
    if (c == '%' || c == '\r' || c == '\n' || special.find(c) != std::string_view::npos) {
      char buffer[4];
      std::snprintf(buffer, sizeof buffer, "%%%02X", static_cast<unsigned char>(c));
      out += buffer;
    } else {
      out += c;
    }
  }
  return out;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() + 0 && HexValue(text[i + 1]) >= 0 &&
        HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  Group* current = nullptr;
  for (std::string_view line : TextLines(text)) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      ini.groups.push_back({Unescape(line.substr(1, line.size() - 2)), {}});
      current = &ini.groups.back();
      continue;
    }
    size_t eq = line.find('=');
    if (current == nullptr || eq == std::string_view::npos) continue;
    current->entries.push_back({Unescape(line.substr(0, eq)), Unescape(line.substr(eq + 1))});
  }
  return ini;
}

std::string IniFile::Serialize() const {
  std::string out;
  for (const Group& group : groups) {
    if (!out.empty()) out += '\n';
    out += '[' + Escape(group.name, "]") + "]\n";
    for (const Entry& entry : group.entries) {
      out += Escape(entry.name, "=[") + '=' + Escape(entry.value, "") + '\n';
    }
  }
  return out;
}

IniFile::Group* IniFile::FindGroup(std::string_view name) {
  for (Group& group : groups) {
    if (EqualsIgnoringCase(group.name, name)) return &group;
  }
  return nullptr;
}

const IniFile::Group* IniFile::FindGroup(std::string_view name) const {
  return const_cast<IniFile*>(this)->FindGroup(name);
}

const IniFile::Entry* IniFile::FindEntry(const Group& group, std::string_view name) {
  for (const Entry& entry : group.entries) {
    if (EqualsIgnoringCase(entry.name, name)) return &entry;
  }
  return nullptr;
}

void IniFile::Set(std::string_view group_name, std::string_view name, std::string value) {
  Group* group = FindGroup(group_name);
  if (group == nullptr) {
    groups.push_back({std::string(group_name), {}});
    group = &groups.back();
  }
  for (Entry& entry : group->entries) {
    if (EqualsIgnoringCase(entry.name, name)) {
      entry.value = std::move(value);
      return;
    }
  }
  group->entries.push_back({std::string(name), std::move(value)});
}

bool ReadFileText(const std::string& path, std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  text.clear();
  char block[16384];
  size_t n;
  while ((n = std::fread(block, 1, sizeof block, file)) > 0) text.append(block, n);
  bool ok = !std::ferror(file);
  std::fclose(file);
  return ok;
}

}  // namespace platform
