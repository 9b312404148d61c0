#include "formkit_qt/dialog_parts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace formkit {

void SetUpDialog(QDialog* dialog, const QString& name, const QString& caption, QLayout* layout) {
  dialog->setObjectName(name);
  dialog->setWindowTitle(caption);
  dialog->setModal(false);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  dialog->setLayout(layout);
}

QLabel* MakeHeading(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.15);
  label->setFont(font);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QLabel* MakeColumnHeading(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  font.setUnderline(true);
  label->setFont(font);
  return label;
}

QPushButton* MakeHidingButton(const QString& text, const QString& name, QDialog* dialog) {
  auto* button = new QPushButton(text, dialog);
  button->setObjectName(name);
  button->setMinimumWidth(90);
  QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::hide);
  return button;
}

void FinishDialog(QDialog* dialog, const QString& name, const QString& caption, QLayout* body,
                  QPushButton* button) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(button);
  row->addStretch();
  auto* layout = new QVBoxLayout;
  layout->addLayout(body);
  layout->addSpacing(8);
  layout->addLayout(row);
  SetUpDialog(dialog, name, caption, layout);
}

}  // namespace formkit
