#pragma once

#include "browser/data_file.h"
#include "browser/variant_port.h"
#include "platform/variant.h"

namespace browser {

// Lets the data file read and write our variants (CDataFile::ReadVariant, WriteVariant).
class VariantAdapter : public VariantPort {
 public:
  explicit VariantAdapter(platform::Variant& value) : value_(value) {}

  void SetI4(int32_t v) override { value_ = platform::Variant::I4(v); }
  void SetR8(double v) override { value_ = platform::Variant::R8(v); }
  void SetString(const std::string& text) override { value_ = platform::Variant::Utf8(text); }
  bool ChangeType(uint16_t type) override {
    return value_.ChangeType(static_cast<platform::VarType>(type)) == platform::VariantError::kOk;
  }
  uint16_t Type() const override { return value_.type(); }
  bool BoolValue() const override { return value_.IntValue() != 0; }
  std::optional<std::string> ToText() const override { return value_.TextUtf8(); }

 private:
  platform::Variant& value_;
};

// The value of `key` read as the type `type` (kept as it was when the key is absent or the
// type is EMPTY or NULL).
inline void ReadVariantKey(const CDataFile& file, std::string_view section, std::string_view key,
                           uint16_t type, platform::Variant& value) {
  VariantAdapter adapter(value);
  file.ReadVariant(section, key, type, adapter);
}

}  // namespace browser
