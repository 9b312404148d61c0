// Showing a headless formkit::Form in a Qt window whose widgets bear the control names, and
// the small pieces of window behaviour both programs share.
#pragma once

#include <QString>
#include <string>

#include "formkit/form.h"

class QLineEdit;
class QWidget;

namespace formkit {

// Shows one control's state in the widget of `window` with the control's name ("" is the
// form's caption, shown as the window title): a text box's text, a label's or push
// button's caption, a list's items and position, whether an option or check box is set,
// and the widget's visibility and enabled state. A control without a widget is skipped.
void MirrorControl(const Form& form, QWidget& window, const std::string& name);

// The caption and every control.
void MirrorForm(const Form& form, QWidget& window);

// A message text as a Qt message box shows it: the programs break lines with CR LF, LF CR
// or a lone CR or LF; Qt wants one LF for each.
QString MessageBoxText(const std::string& text);

// Selects the whole text of `edit` once the current event is done: a mouse press that
// gave the focus would otherwise place the cursor after the selection was made.
void SelectAllDeferred(QLineEdit* edit);

}  // namespace formkit
