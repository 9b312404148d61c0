#include "browser/shell/control_fallback.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace browser::shell {

ControlFallback::ControlFallback(QString control_name, QWidget* parent)
    : QWidget(parent), control_name_(std::move(control_name)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QString ControlFallback::Caption() const {
  const QString name = control_name_.isEmpty() ? QStringLiteral("(no name)") : control_name_;
  return QStringLiteral("Control not available:\n%1").arg(name);
}

void ControlFallback::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette palette = QApplication::palette();
  painter.fillRect(rect(), palette.color(QPalette::Window));
  QStyleOptionFrame frame;
  frame.initFrom(this);
  frame.rect = rect();
  frame.palette = palette;
  frame.lineWidth = 2;
  frame.state |= QStyle::State_Sunken;
  QApplication::style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
  // A frame of its own too: some styles draw PE_Frame as nothing.
  painter.setPen(palette.color(QPalette::Dark));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setPen(palette.color(QPalette::WindowText));
  painter.drawText(rect().adjusted(4, 4, -4, -4),
                   Qt::AlignCenter | Qt::TextWordWrap, Caption());
}

}  // namespace browser::shell
