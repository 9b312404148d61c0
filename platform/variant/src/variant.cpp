#include "platform/variant.h"

#include <cstring>

namespace platform {

Variant Variant::Integer(VarType type, int64_t value) {
  Variant v;
  v.type_ = type;
  v.int_ = value;
  return v;
}

Variant Variant::Null() {
  Variant v;
  v.type_ = VT_NULL;
  return v;
}

Variant Variant::R4(float value) {
  Variant v;
  v.type_ = VT_R4;
  v.real_ = value;
  return v;
}

Variant Variant::R8(double value) {
  Variant v;
  v.type_ = VT_R8;
  v.real_ = value;
  return v;
}

Variant Variant::Text(std::u16string text) {
  Variant v;
  v.type_ = VT_BSTR;
  v.text_ = std::move(text);
  return v;
}

Variant Variant::Utf8(std::string_view text) { return Text(Utf8ToText(text)); }

uint16_t Variant::LowWord() const {
  switch (type_) {
    case VT_EMPTY:
    case VT_NULL:
      return 0;
    case VT_R4: {
      float f = static_cast<float>(real_);
      uint32_t bits;
      std::memcpy(&bits, &f, sizeof bits);
      return static_cast<uint16_t>(bits);
    }
    case VT_R8: {
      uint64_t bits;
      std::memcpy(&bits, &real_, sizeof bits);
      return static_cast<uint16_t>(bits);
    }
    case VT_BSTR:
      return 1;
    default:
      return static_cast<uint16_t>(int_);
  }
}

Variant Variant::Converted(const Variant& from, VarType to, VariantError* error) {
  Variant copy = from;
  VariantError result = copy.ChangeType(to);
  if (error != nullptr) *error = result;
  if (result != VariantError::kOk) return Error(static_cast<int32_t>(result));
  return copy;
}

std::optional<std::string> Variant::TextUtf8() const {
  if (type_ == VT_BSTR) return TextToUtf8(text_);
  Variant copy = *this;
  if (copy.ChangeType(VT_BSTR) != VariantError::kOk) return std::nullopt;
  return TextToUtf8(copy.text_);
}

}  // namespace platform
