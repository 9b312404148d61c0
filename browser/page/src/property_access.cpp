#include "browser/page/property_access.h"

#include "browser/doc/no_case.h"

namespace browser {
namespace {

platform::VarType TypeOf(PropertyField::Kind kind) {
  switch (kind) {
    case PropertyField::Kind::kInt:
      return platform::VT_I4;
    case PropertyField::Kind::kBool:
      return platform::VT_BOOL;
    case PropertyField::Kind::kText:
      return platform::VT_BSTR;
    case PropertyField::Kind::kColor:
      return platform::VT_UI4;
    case PropertyField::Kind::kReal:
      return platform::VT_R8;
  }
  return platform::VT_EMPTY;
}

}  // namespace

std::optional<PropertyField> FindNamedField(std::string_view name,
                                            std::initializer_list<NamedField> fields) {
  for (const NamedField& f : fields) {
    if (EqualsNoCase(f.name, name) || (!f.alias.empty() && EqualsNoCase(f.alias, name))) {
      return f.field;
    }
  }
  return std::nullopt;
}

PropertyResult AccessField(const PropertyField& p, platform::Variant& value, bool put) {
  const bool typed = value.type() == TypeOf(p.kind);
  if (!typed && (put || !p.any_get)) return PropertyResult::kWrongType;
  auto& int_field = *static_cast<int32_t*>(p.field);
  switch (p.kind) {
    case PropertyField::Kind::kInt:
      if (put) {
        int_field = static_cast<int32_t>(value.IntValue());
      } else {
        value = platform::Variant::I4(int_field);
      }
      break;
    case PropertyField::Kind::kBool:
      if (put) {
        int_field = value.IntValue() != 0 ? 1 : 0;
      } else if (p.any_get) {
        // A lenient get answers an integer even into a VT_BOOL.
        value = platform::Variant::I4(int_field);
      } else {
        value = platform::Variant::Bool(int_field != 0);
      }
      break;
    case PropertyField::Kind::kColor:
      if (put) {
        int_field = static_cast<int32_t>(static_cast<uint32_t>(value.IntValue()));
      } else {
        value = platform::Variant::UI4(static_cast<uint32_t>(int_field));
      }
      break;
    case PropertyField::Kind::kText: {
      auto& text = *static_cast<std::string*>(p.field);
      if (put) {
        text = platform::TextToUtf8(value.TextValue());
      } else {
        value = platform::Variant::Utf8(text);
      }
      break;
    }
    case PropertyField::Kind::kReal: {
      auto& real = *static_cast<double*>(p.field);
      if (put) {
        real = value.RealValue();
      } else {
        value = platform::Variant::R8(real);
      }
      break;
    }
  }
  return PropertyResult::kOk;
}

PropertyResult AccessExtended(CScriptableObject& object, std::string_view name,
                              platform::Variant& value, bool put) {
  if (!put) {
    object.GetExtendedProperty(name, value);
    return PropertyResult::kOk;
  }
  if (object.PutExtendedProperty(name, value) != PropertyResult::kOk) {
    return PropertyResult::kFailed;
  }
  object.Refresh();
  return PropertyResult::kOk;
}

}  // namespace browser
