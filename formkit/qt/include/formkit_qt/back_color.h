// The background colour the user picks for the forms, applied to one widget.
#pragma once

class QColor;
class QWidget;

namespace formkit {

// Paints `widget`'s surface in `color`, filled automatically: its Window role and, for a
// widget that fills with another role (check boxes and option buttons use Button), that
// role too. Children without a background of their own show it through.
void ApplyBackColor(QWidget* widget, const QColor& color);

}  // namespace formkit
