#include "browser/page/text_element.h"

#include <algorithm>
#include <cmath>

#include "browser/page/element_container.h"
#include "browser/page/page_host.h"
#include "browser/script/key_reader.h"
#include "element_keys.h"

namespace browser {

uint32_t RgbOfColorRef(int32_t color_ref) {
  const auto c = static_cast<uint32_t>(color_ref);
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

bool CTextElement::Load(const CDataFile& file, LoadContext& context) {
  const KeyReader read(file, section_, context);
  read.Lines(keys::kText, text_);
  ReadSize(read, &KeyReader::Int, width_, height_);
  ReadFont(read);
  read.Long(keys::kBgColor, bg_color_);
  read.Real(keys::kBgTransparency, bg_transparency_);
  read.Text(keys::kJustification, justification_);
  read.Text(keys::kVjustification, vjustification_);
  read.Int(keys::kSingleline, singleline_);
  const bool loaded = CScriptableObject::Load(file, context);
  painted_bounds_ = GetBounds();
  return loaded;
}

void CTextElement::ReadFont(const KeyReader& read) {
  read.Long(keys::kFontColor, font_color_);
  read.Text(keys::kFontName, font_name_);
  read.Long(keys::kFontSize, font_size_);
  read.Long(keys::kFontWeight, font_weight_);
  read.Int(keys::kFontItalic, font_italic_);
  read.Int(keys::kFontUnderline, font_underline_);
  read.Int(keys::kFontStrikeOut, font_strike_out_);
}

bool CTextElement::HitTest(Point point) const { return Contains(GetBounds(), point); }

TextFormat CTextElement::Format() const {
  TextFormat format;
  if (justification_ == "right") {
    format.horizontal = TextFormat::Horizontal::kRight;
  } else if (justification_ == "center") {
    format.horizontal = TextFormat::Horizontal::kCenter;
  }
  if (singleline_ != 0) {
    format.single_line = true;
    if (vjustification_ == "top") {
      format.vertical = TextFormat::Vertical::kTop;
    } else if (vjustification_ == "bottom") {
      format.vertical = TextFormat::Vertical::kBottom;
    } else {
      format.vertical = TextFormat::Vertical::kCenter;
    }
  }
  return format;
}

TextStyle CTextElement::Style(int32_t dpi) const {
  TextStyle style;
  style.face = font_name_;
  // Points at the screen's resolution, rounded half away from zero.
  const double pixels = std::round(static_cast<double>(font_size_) * dpi / 72.0);
  style.pixel_height = static_cast<int32_t>(std::clamp(std::fabs(pixels), 1.0, 8192.0));
  style.weight = font_weight_;
  style.italic = font_italic_ != 0;
  style.underline = font_underline_ != 0;
  style.strike_out = font_strike_out_ != 0;
  style.rgb = RgbOfColorRef(font_color_);
  return style;
}

void CTextElement::Measure(Canvas& canvas) {
  const PageHost* h = host();
  const Size need = canvas.MeasureText(GetBounds(), text_, Style(h ? h->VerticalDpi() : 96),
                                       Format());
  width_ = std::max(width_, need.width);
  height_ = std::max(height_, need.height);
  if (const auto* container = dynamic_cast<const CElementContainer*>(parent())) {
    const Size page = container->GetSize();
    // In 64 bits: a position near the integer limits must not overflow.
    if (int64_t{x_} + width_ > page.width) {
      width_ = static_cast<int32_t>(std::clamp<int64_t>(int64_t{page.width} - x_, 0, INT32_MAX));
    }
    if (int64_t{y_} + height_ > page.height) {
      height_ = static_cast<int32_t>(std::clamp<int64_t>(int64_t{page.height} - y_, 0, INT32_MAX));
    }
  }
}

bool CTextElement::Paint(Canvas& canvas, const Rect& update) {
  Measure(canvas);
  const Rect bounds = GetBounds();
  if (!Intersects(bounds, update)) return true;
  const uint32_t background = RgbOfColorRef(bg_color_);
  if (bg_transparency_ > 0) {
    const Rect clip{std::max(bounds.left, update.left), std::max(bounds.top, update.top),
                    std::min(bounds.right, update.right), std::min(bounds.bottom, update.bottom)};
    const double a = std::min(bg_transparency_ * 255, 65536.0);
    canvas.BlendRect(clip, background, static_cast<int32_t>(a));
  }
  const PageHost* h = host();
  canvas.DrawText(bounds, text_, Style(h ? h->VerticalDpi() : 96), Format(),
                  bg_transparency_ >= 1 ? std::optional<uint32_t>(background) : std::nullopt);
  painted_bounds_ = bounds;
  return true;
}

void CTextElement::Refresh() {
  // The next paint measures again with the new settings.
  Invalidate(painted_bounds_);
  Invalidate(GetBounds());
}

std::optional<PropertyField> CTextElement::FindProperty(std::string_view name) {
  using Kind = PropertyField::Kind;
  return FindNamedField(name, {
      {"fontName", "font", {Kind::kText, &font_name_}},
      {"fontColor", "color", {Kind::kColor, &font_color_}},
      {"fontSize", "size", {Kind::kInt, &font_size_}},
      {"fontWeight", "weight", {Kind::kInt, &font_weight_}},
      {"fontItalic", "italic", {Kind::kBool, &font_italic_}},
      {"fontUnderline", "underline", {Kind::kBool, &font_underline_}},
      {"fontStrikeOut", "strikeout", {Kind::kBool, &font_strike_out_}},
      {"cursor", {}, {Kind::kText, &cursor_}},
      {"text", {}, {Kind::kText, &text_}},
      {"width", {}, {Kind::kInt, &width_}},
      {"height", {}, {Kind::kInt, &height_}},
      {"bgColor", {}, {Kind::kColor, &bg_color_}},
      {"bgTransparency", {}, {Kind::kReal, &bg_transparency_}},
      {"justification", {}, {Kind::kText, &justification_}},
      {"vjustification", {}, {Kind::kText, &vjustification_}},
      {"singleline", {}, {Kind::kBool, &singleline_}},
      {"mouseMoveable", {}, {Kind::kBool, &mouse_moveable_}},
  });
}

}  // namespace browser
