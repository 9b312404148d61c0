#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The current user's settings, standing in for the registry's per-user hive: keys named by
// paths ("Software\Corvane\Show") holding string and DWORD values. Key paths and value names
// compare without regard to ASCII case, as registry names do; "/" and "\" both separate key
// path components. A key exists once a value was written into it; its parent keys do not.
//
// The program hands in the user's store (UserRegistry); tests hand in one kept in memory
// (MemoryRegistry).
class RegistryStore {
 public:
  virtual ~RegistryStore() = default;

  struct Value {
    enum class Kind { kString, kDword };
    Kind kind = Kind::kString;
    std::string text;     // kString: the text (UTF-8)
    uint32_t dword = 0;   // kDword
  };
  // Whether the key exists (it may hold no values): what opening it would tell.
  virtual bool HasKey(std::string_view key_path) const = 0;
  // Nothing when the store, the key or the value is missing, or the value is damaged.
  virtual std::optional<Value> Read(std::string_view key_path,
                                    std::string_view value_name) const = 0;
  // Creates the key and the value or replaces the value. False (with a reason in `error`
  // when given) when the store could not be written; it is then unchanged.
  virtual bool Write(std::string_view key_path, std::string_view value_name, const Value& value,
                     std::string* error) = 0;

  // Only a string value; a DWORD value is not a string.
  std::optional<std::string> ReadString(std::string_view key_path,
                                        std::string_view value_name) const;
  std::optional<uint32_t> ReadDword(std::string_view key_path, std::string_view value_name) const;
  bool WriteString(std::string_view key_path, std::string_view value_name, std::string_view text,
                   std::string* error = nullptr);
  bool WriteDword(std::string_view key_path, std::string_view value_name, uint32_t value,
                  std::string* error = nullptr);
};

// The user's store on the disk: an INI-style text file where each key is a group named by its
// key path and each value a line "name=sz:text" or "name=dword:0000002a".
//
// Reading never changes the file. Writing rewrites it beside the original and renames it into
// place, so a failed write leaves the previous file as it was.
class UserRegistry : public RegistryStore {
 public:
  // $XDG_CONFIG_HOME/corvane/registry.ini, with ~/.config when the variable is unset or empty.
  static std::string DefaultPath();

  explicit UserRegistry(std::string path = DefaultPath()) : path_(std::move(path)) {}
  const std::string& path() const { return path_; }

  bool HasKey(std::string_view key_path) const override;
  std::optional<Value> Read(std::string_view key_path, std::string_view value_name) const override;
  using RegistryStore::Write;
  bool Write(std::string_view key_path, std::string_view value_name, const Value& value,
             std::string* error) override;

 private:
  std::string path_;
};

}  // namespace platform
