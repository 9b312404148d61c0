// The user's settings kept in memory, for tests: the same names and rules as the store on
// the disk, without a file.
#pragma once

#include <memory>

#include "platform/registry.h"

namespace platform {

struct IniFile;

class MemoryRegistry : public RegistryStore {
 public:
  MemoryRegistry();
  ~MemoryRegistry() override;

  bool HasKey(std::string_view key_path) const override;
  std::optional<Value> Read(std::string_view key_path, std::string_view value_name) const override;
  using RegistryStore::Write;
  bool Write(std::string_view key_path, std::string_view value_name, const Value& value,
             std::string* error) override;
  // Every Write fails with this reason (and changes nothing) while it is not empty.
  void set_write_error(std::string reason) { write_error_ = std::move(reason); }

 private:
  std::unique_ptr<IniFile> values_;
  std::string write_error_;
};

}  // namespace platform
