#include "browser/shell/qt_canvas.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <vector>

#include "platform/variant.h"

#include "browser/page/stretch.h"
#include "browser/shell/picture_image.h"

namespace browser::shell {
namespace {

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

QFont ToFont(const TextStyle& style) {
  QFont font(QString::fromStdString(style.face));
  font.setPixelSize(std::max(style.pixel_height, 1));
  // 0 asks for the normal weight; Qt takes the same 100 to 900 scale.
  const int weight = style.weight <= 0 ? 400 : std::clamp(style.weight, 1, 1000);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
  font.setStrikeOut(style.strike_out);
  return font;
}

int ToFlags(const TextFormat& format) {
  int flags = Qt::TextDontClip;
  switch (format.horizontal) {
    case TextFormat::Horizontal::kLeft:
      flags |= Qt::AlignLeft;
      break;
    case TextFormat::Horizontal::kCenter:
      flags |= Qt::AlignHCenter;
      break;
    case TextFormat::Horizontal::kRight:
      flags |= Qt::AlignRight;
      break;
  }
  if (!format.single_line) return flags | Qt::TextWordWrap | Qt::AlignTop;
  flags |= Qt::TextSingleLine;
  switch (format.vertical) {
    case TextFormat::Vertical::kTop:
      return flags | Qt::AlignTop;
    case TextFormat::Vertical::kCenter:
      return flags | Qt::AlignVCenter;
    case TextFormat::Vertical::kBottom:
      return flags | Qt::AlignBottom;
  }
  return flags;
}

// Document texts are bytes; those that are no UTF-8 are read as Latin-1.
QString ToText(const std::string& text) {
  return QString::fromStdU16String(platform::Utf8ToText(text));
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) {
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

void QtCanvas::FillRect(const Rect& rect, uint32_t rgb) {
  if (IsEmpty(rect)) return;
  painter_.fillRect(ToQRect(rect), QColor::fromRgb(rgb & 0xFFFFFF));
}

void QtCanvas::DrawPicture(const Picture& picture, const Rect& source, const Rect& target) {
  Blit(picture, source, target, QPainter::CompositionMode_SourceOver);
}

void QtCanvas::DrawMaskedPicture(const Picture& picture, const Picture& mask, const Rect& source,
                                 const Rect& target) {
  Blit(mask, source, target, QPainter::RasterOp_SourceAndDestination);
  Blit(picture, source, target, QPainter::RasterOp_SourceXorDestination);
}

void QtCanvas::Blit(const Picture& picture, const Rect& source, const Rect& target,
                    QPainter::CompositionMode mode) {
  if (picture.empty() || IsEmpty(source) || IsEmpty(target)) return;
  const int32_t source_width = source.right - source.left;
  const int32_t source_height = source.bottom - source.top;
  const int32_t target_width = target.right - target.left;
  const int32_t target_height = target.bottom - target.top;
  // Only the part of the target that can show is sampled: the device, the painter's clip.
  QRect visible = ToQRect(target);
  if (QPaintDevice* device = painter_.device(); device != nullptr) {
    visible &= painter_.transform().inverted().mapRect(
        QRect(0, 0, device->width(), device->height()));
  }
  if (painter_.hasClipping()) visible &= painter_.clipBoundingRect().toAlignedRect();
  // Each target column and row shows the source pixel StretchSource picks; those that fall
  // outside the picture (a source reaching past it) are left as they are.
  auto samples = [](int32_t first, int32_t last, int32_t origin, int32_t from, int32_t to,
                    int32_t source_origin, int32_t limit, int32_t& kept_first) {
    std::vector<int32_t> picked;
    kept_first = -1;
    for (int32_t i = first; i <= last; ++i) {
      const int32_t s = source_origin + StretchSource(i - origin, from, to);
      if (s < 0 || s >= limit) continue;
      if (kept_first < 0) kept_first = i;
      picked.push_back(s);
    }
    return picked;
  };
  int32_t x0 = 0, y0 = 0;
  const std::vector<int32_t> columns =
      samples(visible.left(), visible.right(), target.left, source_width, target_width,
              source.left, picture.width(), x0);
  const std::vector<int32_t> rows = samples(visible.top(), visible.bottom(), target.top,
                                            source_height, target_height, source.top,
                                            picture.height(), y0);
  if (columns.empty() || rows.empty()) return;
  QImage stretched(static_cast<int>(columns.size()), static_cast<int>(rows.size()),
                   QImage::Format_RGB32);
  for (size_t y = 0; y < rows.size(); ++y) {
    const uint32_t* from = picture.Row(rows[y]);
    auto* to = reinterpret_cast<uint32_t*>(stretched.scanLine(static_cast<int>(y)));
    for (size_t x = 0; x < columns.size(); ++x) to[x] = from[columns[x]];
  }
  const QPainter::CompositionMode before = painter_.compositionMode();
  painter_.setCompositionMode(mode);
  painter_.drawImage(QPoint(x0, y0), stretched);
  painter_.setCompositionMode(before);
}

void QtCanvas::DrawButton(const Rect& rect, const std::string& text) {
  if (IsEmpty(rect)) return;
  QStyleOptionButton option;
  option.rect = ToQRect(rect);
  option.text = QString::fromStdString(text);
  option.state = QStyle::State_Enabled | QStyle::State_Raised;
  option.palette = QApplication::palette();
  option.fontMetrics = painter_.fontMetrics();
  QApplication::style()->drawControl(QStyle::CE_PushButton, &option, &painter_);
}

void QtCanvas::BlendRect(const Rect& rect, uint32_t rgb, int32_t alpha) {
  QPaintDevice* device = painter_.device();
  if (device == nullptr || device->devType() != QInternal::Image) return;
  auto* image = static_cast<QImage*>(device);
  if (image->depth() != 32) return;
  // The pixels are changed in place, so the painter's clip is kept by hand: a pixel outside
  // it would be blended again by every partial repaint.
  QRect area = ToQRect(rect).intersected(image->rect());
  if (painter_.hasClipping()) area &= painter_.clipBoundingRect().toAlignedRect();
  const int bg[3] = {static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                     static_cast<int>((rgb >> 16) & 0xFF)};
  for (int y = area.top(); y <= area.bottom() && !area.isEmpty(); ++y) {
    auto* row = reinterpret_cast<uint32_t*>(image->scanLine(y));
    for (int x = area.left(); x <= area.right(); ++x) {
      uint32_t p = row[x];
      uint32_t out = p & 0xFF000000u;
      for (int k = 0; k < 3; ++k) {
        const int old = static_cast<int>((p >> (8 * k)) & 0xFF);
        out |= static_cast<uint32_t>(BlendChannel(old, bg[k], alpha)) << (8 * k);
      }
      row[x] = out;
    }
  }
}

Size QtCanvas::MeasureText(const Rect& bounds, const std::string& text, const TextStyle& style,
                           const TextFormat& format) {
  const QFontMetrics metrics(ToFont(style));
  const QRect room(bounds.left, bounds.top, std::max(bounds.right - bounds.left, 1), 1);
  const QRect need = metrics.boundingRect(room, ToFlags(format), ToText(text));
  return {need.width(), need.height()};
}

void QtCanvas::DrawText(const Rect& bounds, const std::string& text, const TextStyle& style,
                        const TextFormat& format, std::optional<uint32_t> background) {
  painter_.save();
  painter_.setFont(ToFont(style));
  painter_.setPen(QColor::fromRgb(style.rgb & 0xFFFFFF));
  if (background) {
    painter_.setBackgroundMode(Qt::OpaqueMode);
    painter_.setBackground(QColor::fromRgb(*background & 0xFFFFFF));
  } else {
    painter_.setBackgroundMode(Qt::TransparentMode);
  }
  painter_.drawText(ToQRect(bounds), ToFlags(format), ToText(text));
  painter_.restore();
}

}  // namespace browser::shell
