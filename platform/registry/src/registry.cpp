#include "platform/registry.h"

#include <cstdlib>
#include <cstring>

#include "ini_file.h"
#include "platform/replace_file.h"
#include "registry_values.h"

namespace platform {

std::optional<std::string> RegistryStore::ReadString(std::string_view key_path,
                                                     std::string_view value_name) const {
  auto value = Read(key_path, value_name);
  if (!value || value->kind != Value::Kind::kString) return std::nullopt;
  return value->text;
}

std::optional<uint32_t> RegistryStore::ReadDword(std::string_view key_path,
                                                 std::string_view value_name) const {
  auto value = Read(key_path, value_name);
  if (!value || value->kind != Value::Kind::kDword) return std::nullopt;
  return value->dword;
}

bool RegistryStore::WriteString(std::string_view key_path, std::string_view value_name,
                                std::string_view text, std::string* error) {
  Value value;
  value.text = std::string(text);
  return Write(key_path, value_name, value, error);
}

bool RegistryStore::WriteDword(std::string_view key_path, std::string_view value_name,
                               uint32_t dword, std::string* error) {
  Value value;
  value.kind = Value::Kind::kDword;
  value.dword = dword;
  return Write(key_path, value_name, value, error);
}

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
  return HasKeyIn(IniFile::Parse(text), key_path);
}

std::optional<RegistryStore::Value> UserRegistry::Read(std::string_view key_path,
                                                       std::string_view value_name) const {
  std::string text;
  if (!ReadFileText(path_, text)) return std::nullopt;
  return ReadFrom(IniFile::Parse(text), key_path, value_name);
}

bool UserRegistry::Write(std::string_view key_path, std::string_view value_name,
                         const Value& value, std::string* error) {
  std::string text;
  IniFile ini;
  if (ReadFileText(path_, text)) ini = IniFile::Parse(text);
  WriteTo(ini, key_path, value_name, value);
  const int code = ReplaceFile(path_, ini.Serialize(), {.create_folders = true, .private_file = true});
  if (code == 0) return true;
  if (error != nullptr) *error = path_ + ": write failed: " + std::strerror(code);
  return false;
}

}  // namespace platform
