#include "browser/page/activex_element.h"

namespace browser {

bool CActiveXElement::Load(const CDataFile& file, LoadContext& context) {
  file.ReadLong(section_, "width", width_);
  file.ReadLong(section_, "height", height_);
  file.ReadString(section_, "controlName", control_name_);
  file.ReadString(section_, "CLSID", control_name_);
  file.ReadBool(section_, "dropTarget", drop_target_);
  CScriptableObject::Load(file, context);
  return true;
}

bool CActiveXElement::HitTest(Point point) const { return Contains(GetBounds(), point); }

}  // namespace browser
