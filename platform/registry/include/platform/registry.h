#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The current user's settings store, standing in for the registry's per-user hive. It is an
// INI-style text file: each registry key is a group named by its key path ("Software\Corvane
// \Show"), each value a line "name=sz:text" or "name=dword:0000002a". Key paths and value
// names compare without regard to ASCII case, as registry names do; "/" and "\" both separate
// key path components.
//
// Reading never changes the file. Writing rewrites it beside the original and renames it into
// place, so a failed write leaves the previous file as it was.
class UserRegistry {
 public:
  // $XDG_CONFIG_HOME/corvane/registry.ini, with ~/.config when the variable is unset or empty.
  static std::string DefaultPath();

  explicit UserRegistry(std::string path = DefaultPath()) : path_(std::move(path)) {}
  const std::string& path() const { return path_; }

  struct Value {
    enum class Kind { kString, kDword };
    Kind kind = Kind::kString;
    std::string text;     // kString: the text (UTF-8)
    uint32_t dword = 0;   // kDword
  };
  // Whether the key exists (it may hold no values): what opening it would tell.
  bool HasKey(std::string_view key_path) const;
  // Nothing when the file, the key or the value is missing, or the line is not a value.
  std::optional<Value> Read(std::string_view key_path, std::string_view value_name) const;
  // Only a string value; a DWORD value is not a string.
  std::optional<std::string> ReadString(std::string_view key_path,
                                        std::string_view value_name) const;
  std::optional<uint32_t> ReadDword(std::string_view key_path,
                                    std::string_view value_name) const;

  // Creates the key and the value or replaces the value. False (with a reason in `error`
  // when given) when the file could not be written; the previous file is then unchanged.
  bool WriteString(std::string_view key_path, std::string_view value_name, std::string_view text,
                   std::string* error = nullptr);
  bool WriteDword(std::string_view key_path, std::string_view value_name, uint32_t value,
                  std::string* error = nullptr);

 private:
  bool Write(std::string_view key_path, std::string_view value_name, const Value& value,
             std::string* error);

  std::string path_;
};

}  // namespace platform
