#include "registry_values.h"

#include <cstdio>
#include <cstdlib>
#include <string>

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

std::optional<RegistryStore::Value> DecodeValue(std::string_view raw) {
  RegistryStore::Value value;
  if (raw.substr(0, kStringTag.size()) == kStringTag) {
    value.text = std::string(raw.substr(kStringTag.size()));
    return value;
  }
  if (raw.substr(0, kDwordTag.size()) == kDwordTag) {
    std::string digits(raw.substr(kDwordTag.size()));
    char* end = nullptr;
    unsigned long number = std::strtoul(digits.c_str(), &end, 16);
    if (digits.empty() || *end != '\0' || number > 0xFFFFFFFFul) return std::nullopt;
    value.kind = RegistryStore::Value::Kind::kDword;
    value.dword = static_cast<uint32_t>(number);
    return value;
  }
  return std::nullopt;
}

std::string EncodeValue(const RegistryStore::Value& value) {
  if (value.kind == RegistryStore::Value::Kind::kString) {
    return std::string(kStringTag) + value.text;
  }
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%08x", value.dword);
  return std::string(kDwordTag) + buffer;
}

}  // namespace

bool HasKeyIn(const IniFile& ini, std::string_view key_path) {
  return ini.FindGroup(NormalizeKeyPath(key_path)) != nullptr;
}

std::optional<RegistryStore::Value> ReadFrom(const IniFile& ini, std::string_view key_path,
                                             std::string_view value_name) {
  const IniFile::Group* group = ini.FindGroup(NormalizeKeyPath(key_path));
  if (group == nullptr) return std::nullopt;
  const IniFile::Entry* entry = IniFile::FindEntry(*group, value_name);
  if (entry == nullptr) return std::nullopt;
  return DecodeValue(entry->value);
}

void WriteTo(IniFile& ini, std::string_view key_path, std::string_view value_name,
             const RegistryStore::Value& value) {
  ini.Set(NormalizeKeyPath(key_path), value_name, EncodeValue(value));
}

}  // namespace platform
