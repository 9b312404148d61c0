#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "browser/script/scriptable_object.h"
#include "platform/variant.h"

namespace browser {

// One property of a display element and the field behind it. A put and a get both need a
// variant that already has the property's type (else kWrongType); a get stores the value.
//   kInt     VT_I4 over an int32_t
//   kBool    VT_BOOL over an int32_t (stored as 1 or 0)
//   kText    VT_BSTR over a std::string (UTF-8)
//   kColor   VT_UI4 over an int32_t holding 0x00BBGGRR
//   kReal    VT_R8 over a double
struct PropertyField {
  enum class Kind { kInt, kBool, kText, kColor, kReal };
  Kind kind;
  void* field;
  // The gets that accept any variant: texts come back as texts, the rest as VT_I4 (a flag
  // too, whatever the variant passed in).
  bool any_get = false;
};

// A property's name (and the short name some have) with its field.
struct NamedField {
  std::string_view name;
  std::string_view alias;  // empty for none
  PropertyField field;
};
// The field whose name or alias equals `name` without regard to case.
std::optional<PropertyField> FindNamedField(std::string_view name,
                                            std::initializer_list<NamedField> fields);

PropertyResult AccessField(const PropertyField& property, platform::Variant& value, bool put);

// A name no property of the class has: a put goes to PutExtendedProperty (anything but kOk
// there answers kFailed); a get goes to GetExtendedProperty and always answers kOk.
PropertyResult AccessExtended(CScriptableObject& object, std::string_view name,
                              platform::Variant& value, bool put);

}  // namespace browser
