#include "formkit_qt/back_color.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace formkit {

void ApplyBackColor(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  // Check boxes and option buttons fill their background with the button role, not the
  // window role: give that role the colour too, or they stay grey on a coloured form.
  if (widget->backgroundRole() != QPalette::Window)
    palette.setColor(widget->backgroundRole(), color);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace formkit
