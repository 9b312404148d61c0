#include "platform/memory_registry.h"

#include "ini_file.h"
#include "registry_values.h"

namespace platform {

MemoryRegistry::MemoryRegistry() : values_(std::make_unique<IniFile>()) {}
MemoryRegistry::~MemoryRegistry() = default;

bool MemoryRegistry::HasKey(std::string_view key_path) const {
  return HasKeyIn(*values_, key_path);
}

std::optional<RegistryStore::Value> MemoryRegistry::Read(std::string_view key_path,
                                                         std::string_view value_name) const {
  return ReadFrom(*values_, key_path, value_name);
}

bool MemoryRegistry::Write(std::string_view key_path, std::string_view value_name,
                           const Value& value, std::string* error) {
  if (!write_error_.empty()) {
    if (error != nullptr) *error = write_error_;
    return false;
  }
  WriteTo(*values_, key_path, value_name, value);
  return true;
}

}  // namespace platform
