#pragma once

#include <string>

#include "browser/page/display_object.h"

namespace browser {

// A text ("Text") in the document's font, colour and alignment.
class CTextElement : public CDisplayObject {
 public:
  using CDisplayObject::CDisplayObject;

  // Reads the text and its look ("text", "width", "height", "fontColor", "fontName",
  // "fontSize", "fontWeight", "fontItalic", "fontUnderline", "fontStrikeOut", "bgColor",
  // "bgTransparency", "justification", "vjustification", "singleline"), then the
  // scriptable-object keys.
  bool Load(const CDataFile& file, LoadContext& context) override;
  Rect GetBounds() const override { return {x_, y_, x_ + width_, y_ + height_}; }
  bool HitTest(Point point) const override;

  const std::string& text() const { return text_; }

 private:
  std::string text_;
  std::string font_name_ = "Arial";
  int32_t font_color_ = 0;
  int32_t font_size_ = 10;
  int32_t font_weight_ = 400;
  int32_t font_italic_ = 0;
  int32_t font_underline_ = 0;
  int32_t font_strike_out_ = 0;
  int32_t width_ = 40;
  int32_t height_ = 20;
  int32_t bg_color_ = 0;
  double bg_transparency_ = 0.0;
  std::string justification_ = "left";
  std::string vjustification_ = "top";
  int32_t singleline_ = 0;
};

}  // namespace browser
