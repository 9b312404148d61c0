// Keys and values as both stores keep them: groups of an INI file named by key path, values
// tagged with their kind.
#pragma once

#include <optional>
#include <string_view>

#include "ini_file.h"
#include "platform/registry.h"

namespace platform {

bool HasKeyIn(const IniFile& ini, std::string_view key_path);
std::optional<RegistryStore::Value> ReadFrom(const IniFile& ini, std::string_view key_path,
                                             std::string_view value_name);
void WriteTo(IniFile& ini, std::string_view key_path, std::string_view value_name,
             const RegistryStore::Value& value);

}  // namespace platform
