#include "test_control.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/control_registry.h"
#include "platform/test_control.h"

namespace platform {

TestControl::TestControl(QWidget* parent) : QWidget(parent) {}

void TestControl::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}

int TestControl::Add(int A, int B) {
  ++count_;
  return A + B;
}

QString TestControl::Join(const QString& A, const QString& B) {
  ++count_;
  return A + B;
}

int TestControl::CallExternal(const QString& Name, const QString& Argument) {
  if (external_ == nullptr) return static_cast<int>(0x80004001);
  return external_->Call(Name, Argument.isNull() ? QVariantList() : QVariantList{Argument});
}

void TestControl::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(0xF0, 0xE0, 0x40));
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.drawText(rect(), Qt::AlignCenter, caption_);
}

void TestControl::mousePressEvent(QMouseEvent* event) {
  emit Clicked(event->position().toPoint().x(), event->position().toPoint().y());
}

QStringList TestControlNames() {
  return {QStringLiteral("Panorel.TestControl"), QStringLiteral("Panorel.TestControl.1"),
          QStringLiteral("{6F1C2B7E-3D4A-4E59-8B21-7C0A9E5D3F14}")};
}

void AddTestControl(ControlRegistry& registry) {
  registry.AddBuiltIn(TestControlNames(),
                      [](const QString&, QWidget* parent) { return new TestControl(parent); });
}

}  // namespace platform
