#include "browser/shell/qt_canvas.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionButton>

#include "browser/shell/picture_image.h"

namespace browser::shell {
namespace {

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

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
  // A source reaching past the picture keeps only its part on the picture, and the target
  // shrinks in proportion, so nothing is read outside the pixels.
  const QRectF src = ToQRect(source);
  const QRectF dst = ToQRect(target);
  const QRectF clipped = src.intersected(QRectF(0, 0, picture.width(), picture.height()));
  if (clipped.isEmpty()) return;
  const double sx = dst.width() / src.width();
  const double sy = dst.height() / src.height();
  const QRectF to(dst.left() + (clipped.left() - src.left()) * sx,
                  dst.top() + (clipped.top() - src.top()) * sy, clipped.width() * sx,
                  clipped.height() * sy);
  const QImage image = ImageView(picture);
  const QPainter::CompositionMode before = painter_.compositionMode();
  painter_.setCompositionMode(mode);
  painter_.drawImage(to, image, clipped);
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

}  // namespace browser::shell
