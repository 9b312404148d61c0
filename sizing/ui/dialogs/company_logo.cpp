#include "company_logo.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace sizing {

QPixmap CompanyLogo(int size, qreal device_pixel_ratio) {
  const int pixels = static_cast<int>(std::ceil(size * device_pixel_ratio));
  QPixmap logo(pixels, pixels);
  logo.setDevicePixelRatio(device_pixel_ratio);
  logo.fill(Qt::transparent);
  QPainter p(&logo);
  p.setRenderHint(QPainter::Antialiasing);
  // Drawn in logical units; the painter maps them onto the device pixels.
  const qreal s = size;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1F, 0x4E, 0x8C));
  p.drawEllipse(QRectF(0.04 * s, 0.04 * s, 0.92 * s, 0.92 * s));

  p.setBrush(Qt::white);
  // The stack: a pipe with two joint bands.
  const QRectF pipe(0.42 * s, 0.36 * s, 0.16 * s, 0.50 * s);
  p.drawRect(pipe);
  p.setBrush(QColor(0xC8, 0xD6, 0xE8));
  p.drawRect(QRectF(0.40 * s, 0.52 * s, 0.20 * s, 0.04 * s));
  p.drawRect(QRectF(0.40 * s, 0.70 * s, 0.20 * s, 0.04 * s));
  // The cap: a cone held above the pipe.
  p.setBrush(Qt::white);
  QPainterPath cap;
  cap.moveTo(0.28 * s, 0.30 * s);
  cap.lineTo(0.50 * s, 0.16 * s);
  cap.lineTo(0.72 * s, 0.30 * s);
  cap.closeSubpath();
  p.drawPath(cap);
  p.drawRect(QRectF(0.46 * s, 0.30 * s, 0.02 * s, 0.06 * s));
  p.drawRect(QRectF(0.52 * s, 0.30 * s, 0.02 * s, 0.06 * s));
  return logo;
}

}  // namespace sizing
