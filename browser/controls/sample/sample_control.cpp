#include "sample_control.h"

#include <QMouseEvent>
#include <QPainter>

namespace corvane_sample {

void SampleControl::SetText(const QString& Text) {
  text_ = Text;
  update();
  emit TextChanged(text_);
}

QString SampleControl::Append(const QString& Text) {
  SetText(text_ + Text);
  return text_;
}

void SampleControl::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(0x30, 0x70, 0xC0));
  p.setPen(Qt::white);
  p.drawText(rect(), Qt::AlignCenter, text_);
}

void SampleControl::mousePressEvent(QMouseEvent* event) {
  ++presses_;
  const QPoint at = event->position().toPoint();
  emit Pressed(at.x(), at.y());
}

QWidget* SampleControlFactory::CreateControl(const QString&, QWidget* parent) {
  return new SampleControl(parent);
}

}  // namespace corvane_sample

// Registration has nothing to record on this platform: installing the library is the host's
// part. Both answer success.
extern "C" Q_DECL_EXPORT int DllRegisterServer() { return 0; }
extern "C" Q_DECL_EXPORT int DllUnregisterServer() { return 0; }
