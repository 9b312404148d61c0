#pragma once

#include <string>

#include "browser/page/display_object.h"

namespace browser {

class KeyReader;

// A text ("Text") in the document's font, colour and alignment, over an optional blended
// background.
class CTextElement : public CDisplayElement {
 public:
  using CDisplayElement::CDisplayElement;

  // Reads the text and its look ("text", "width", "height", "fontColor", "fontName",
  // "fontSize", "fontWeight", "fontItalic", "fontUnderline", "fontStrikeOut", "bgColor",
  // "bgTransparency", "justification", "vjustification", "singleline"), then the
  // scriptable-object keys.
  bool Load(const CDataFile& file, LoadContext& context) override;
  Rect GetBounds() const override { return RectAt(x_, y_, width_, height_); }
  bool HitTest(Point point) const override;
  // Measures, blends the background, then draws the text.
  bool Paint(Canvas& canvas, const Rect& update) override;
  void Refresh() override;

  // Grows the bounds to what the text needs (never shrinking them), then cuts them so that
  // the element ends inside its page.
  void Measure(Canvas& canvas);

  // "justification": "right" or "center" (exactly), else left; "singleline" puts the text on
  // one line placed by "vjustification" ("top", "bottom", anything else centred), otherwise
  // words wrap.
  TextFormat Format() const;
  // The font at `dpi` pixels per inch: the height is fontSize points, rounded to the nearest
  // pixel and kept within 1 to 8192.
  TextStyle Style(int32_t dpi) const;

  const std::string& text() const { return text_; }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }

 protected:
  std::optional<PropertyField> FindProperty(std::string_view name) override;

 private:
  // The keys of the font: its colour, face, size, weight, italic, underline and strike-out.
  void ReadFont(const KeyReader& read);

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
  Rect painted_bounds_;
};

// A Windows colour value 0x00BBGGRR as 0xRRGGBB.
uint32_t RgbOfColorRef(int32_t color_ref);

}  // namespace browser
