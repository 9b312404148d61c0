#include "platform/registry.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ini_file.h"
#include "platform/replace_file.h"

namespace platform {
namespace {

constexpr std::string_view kStringTag = "sz:";
constexpr std::string_view kDwordTag = "dword:";

// One spelling per key: "\" separators, no empty components.
std::string NormalizeKeyPath(std::string_view path) {
  std::string out;
  size_t i = 0;
  while (i < path.size()) {
    size_t end = path.find_first_of("\\/", i);
    if (end == std::string_view::npos) end = path.size();
    if (end > i) {
      if (!out.empty()) out += '\\';
      out.append(path.substr(i, end - i));
    }
    i = end + 1;
  }
  return out;
}

std::optional<UserRegistry::Value> DecodeValue(std::string_view raw) {
  UserRegistry::Value value;
  if (raw.substr(0, kStringTag.size()) == kStringTag) {
    value.text = std::string(raw.substr(kStringTag.size()));
    return value;
  }
  if (raw.substr(0, kDwordTag.size()) == kDwordTag) {
    std::string digits(raw.substr(kDwordTag.size()));
    char* end = nullptr;
    unsigned long number = std::strtoul(digits.c_str(), &end, 16);
    if (digits.empty() || *end != '\0' || number > 0xFFFFFFFFul) return std::nullopt;
    value.kind = UserRegistry::Value::Kind::kDword;
    value.dword = static_cast<uint32_t>(number);
    return value;
  }
  return std::nullopt;
}

}  // namespace

std::string UserRegistry::DefaultPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (config != nullptr && *config != '\0') {
    base = config;
  } else {
    const char* home = std::getenv("HOME");
    base = std::string(home ? home : "") + "/.config";
  }
  return base + "/corvane/registry.ini";
}

bool UserRegistry::HasKey(std::string_view key_path) const {
  std::string text;
  if (!ReadFileText(path_, text)) return false;
  return IniFile::Parse(text).FindGroup(NormalizeKeyPath(key_path)) != nullptr;
}

std::optional<UserRegistry::Value> UserRegistry::Read(std::string_view key_path,
                                                      std::string_view value_name) const {
  std::string text;
  if (!ReadFileText(path_, text)) return std::nullopt;
  IniFile ini = IniFile::Parse(text);
  const IniFile::Group* group = ini.FindGroup(NormalizeKeyPath(key_path));
  if (group == nullptr) return std::nullopt;
  const IniFile::Entry* entry = IniFile::FindEntry(*group, value_name);
  if (entry == nullptr) return std::nullopt;
  return DecodeValue(entry->value);
}

std::optional<std::string> UserRegistry::ReadString(std::string_view key_path,
                                                    std::string_view value_name) const {
  auto value = Read(key_path, value_name);
  if (!value || value->kind != Value::Kind::kString) return std::nullopt;
  return value->text;
}

std::optional<uint32_t> UserRegistry::ReadDword(std::string_view key_path,
                                                std::string_view value_name) const {
  auto value = Read(key_path, value_name);
  if (!value || value->kind != Value::Kind::kDword) return std::nullopt;
  return value->dword;
}

bool UserRegistry::WriteString(std::string_view key_path, std::string_view value_name,
                               std::string_view text, std::string* error) {
  Value value;
  value.text = std::string(text);
  return Write(key_path, value_name, value, error);
}

bool UserRegistry::WriteDword(std::string_view key_path, std::string_view value_name,
                              uint32_t dword, std::string* error) {
  Value value;
  value.kind = Value::Kind::kDword;
  value.dword = dword;
  return Write(key_path, value_name, value, error);
}

bool UserRegistry::Write(std::string_view key_path, std::string_view value_name,
                         const Value& value, std::string* error) {
  std::string text;
  IniFile ini;
  if (ReadFileText(path_, text)) ini = IniFile::Parse(text);
  std::string raw;
  if (value.kind == Value::Kind::kString) {
    raw = std::string(kStringTag) + value.text;
  } else {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%08x", value.dword);
    raw = std::string(kDwordTag) + buffer;
  }
  ini.Set(NormalizeKeyPath(key_path), value_name, std::move(raw));
  const int code = ReplaceFile(path_, ini.Serialize(), {.create_folders = true, .private_file = true});
  if (code == 0) return true;
  if (error != nullptr) *error = path_ + ": write failed: " + std::strerror(code);
  return false;
}

}  // namespace platform
