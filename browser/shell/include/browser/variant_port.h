#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace browser {

// Variant type codes as automation variants number them (the codes documents use).
enum VarTypeCode : uint16_t {
  kVtEmpty = 0,
  kVtNull = 1,
  kVtI2 = 2,
  kVtI4 = 3,
  kVtR4 = 4,
  kVtR8 = 5,
  kVtBstr = 8,
  kVtBool = 11,
  kVtUi4 = 19,
};

// What the data file needs from a variant: the platform's variant type implements it so
// that CDataFile::ReadVariant and WriteVariant need not know the type itself.
class VariantPort {
 public:
  virtual ~VariantPort() = default;

  virtual void SetI4(int32_t value) = 0;
  virtual void SetR8(double value) = 0;
  virtual void SetString(const std::string& text) = 0;
  // Changes the value in place to the given type with the platform's coercion rules.
  // False (and the value unchanged) when the coercion fails.
  virtual bool ChangeType(uint16_t type) = 0;

  virtual uint16_t Type() const = 0;
  // Only called when Type() is kVtBool.
  virtual bool BoolValue() const = 0;
  // The value as text by the platform's coercion to a string; nothing when that fails.
  virtual std::optional<std::string> ToText() const = 0;
};

}  // namespace browser
