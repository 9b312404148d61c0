#include "formkit_qt/form_mirror.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace formkit {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void MirrorControl(const Form& form, QWidget& window, const std::string& name) {
  if (name.empty()) {
    window.setWindowTitle(Q(form.Caption()));
    return;
  }
  QWidget* widget = window.findChild<QWidget*>(Q(name));
  if (!widget) return;
  const Control& control = form.At(name);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    // Setting an unchanged text would move the user's cursor to the end.
    if (edit->text() != Q(control.text)) edit->setText(Q(control.text));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(Q(control.text));
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    button->setText(Q(control.text));
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    if (combo->count() != static_cast<int>(control.items.size())) {
      combo->clear();
      for (const auto& item : control.items) combo->addItem(Q(item));
    }
    combo->setCurrentIndex(control.value);
  } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
    option->setChecked(control.value != 0);
  } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
    check->setChecked(control.value == 1);
  }
  widget->setVisible(control.visible);
  widget->setEnabled(control.enabled);
}

void MirrorForm(const Form& form, QWidget& window) {
  MirrorControl(form, window, "");
  for (const auto& [name, control] : form.Controls()) MirrorControl(form, window, name);
}

QString MessageBoxText(const std::string& text) {
  QString shown = Q(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

void SelectAllDeferred(QLineEdit* edit) {
  QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
}

}  // namespace formkit
