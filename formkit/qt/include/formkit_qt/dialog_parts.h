// What the programs' small dialogs are built from: a fixed-size modeless dialog, its bold
// heading, the headings of its table's columns, and the closing button, centred at its foot,
// that hides the dialog instead of destroying it.
#pragma once

#include <QString>

class QDialog;
class QLabel;
class QLayout;
class QPushButton;
class QWidget;

namespace formkit {

// Names the dialog, sets its caption and makes it modeless; `layout` becomes its layout and
// fixes its size to what the contents need.
void SetUpDialog(QDialog* dialog, const QString& name, const QString& caption, QLayout* layout);

// A bold label for the top of a dialog.
QLabel* MakeHeading(const QString& text, QWidget* parent);

// A column heading of a dialog's table: bold and underlined.
QLabel* MakeColumnHeading(const QString& text, QWidget* parent);

// A push button that hides `dialog` when clicked. Hidden, the dialog keeps its state and
// is shown again as it was.
QPushButton* MakeHidingButton(const QString& text, const QString& name, QDialog* dialog);

// Lays the dialog out: `body` above, and after a gap `button` centred at its foot; then sets
// it up as SetUpDialog does.
void FinishDialog(QDialog* dialog, const QString& name, const QString& caption, QLayout* body,
                  QPushButton* button);

}  // namespace formkit
