#include "formkit_qt/back_color.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace formkit {

void ApplyBackColor(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace formkit
