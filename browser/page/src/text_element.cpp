#include "browser/page/text_element.h"

namespace browser {

bool CTextElement::Load(const CDataFile& file, LoadContext& context) {
  file.ReadMultiline(section_, "text", text_);
  file.ReadInt(section_, "width", width_);
  file.ReadInt(section_, "height", height_);
  file.ReadLong(section_, "fontColor", font_color_);
  file.ReadString(section_, "fontName", font_name_);
  file.ReadLong(section_, "fontSize", font_size_);
  file.ReadLong(section_, "fontWeight", font_weight_);
  file.ReadInt(section_, "fontItalic", font_italic_);
  file.ReadInt(section_, "fontUnderline", font_underline_);
  file.ReadInt(section_, "fontStrikeOut", font_strike_out_);
  file.ReadLong(section_, "bgColor", bg_color_);
  file.ReadDouble(section_, "bgTransparency", bg_transparency_);
  file.ReadString(section_, "justification", justification_);
  file.ReadString(section_, "vjustification", vjustification_);
  file.ReadInt(section_, "singleline", singleline_);
  return CScriptableObject::Load(file, context);
}

bool CTextElement::HitTest(Point point) const { return Contains(GetBounds(), point); }

}  // namespace browser
