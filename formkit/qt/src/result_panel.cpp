#include "formkit_qt/result_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace formkit {
namespace {

// The grid and cell that hold `widget`; none when no grid of `window` does.
QGridLayout* GridOf(QWidget& window, QWidget* widget, int* row, int* column) {
  for (QGridLayout* grid : window.findChildren<QGridLayout*>()) {
    const int index = grid->indexOf(widget);
    if (index < 0) continue;
    int row_span, column_span;
    grid->getItemPosition(index, row, column, &row_span, &column_span);
    *column += column_span - 1;
    return grid;
  }
  return nullptr;
}

}  // namespace

ResultPanel::ResultPanel(const Form& form, QWidget& window, std::vector<ResultUnit> results)
    : form_(form) {
  for (const ResultUnit& result : results) {
    auto* label = window.findChild<QLabel*>(QString::fromLatin1(result.label));
    if (!label) continue;
    labels_[result.label] = label;
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    int row = 0, column = 0;
    QGridLayout* grid = GridOf(window, label, &row, &column);
    if (!grid || !*result.unit) continue;
    auto* unit = new QLabel(QString::fromUtf8(result.unit), label->parentWidget());
    unit->setObjectName(QString::fromLatin1(result.label) + QStringLiteral("Unit"));
    unit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(unit, row, column + 1);
  }
  inputs_ = Inputs();
}

std::string ResultPanel::Inputs() const {
  std::string inputs;
  for (const auto& [name, control] : form_.Controls()) {
    if (labels_.count(name) || control.kind == ControlKind::kButton ||
        control.kind == ControlKind::kMenu)
      continue;
    inputs += name + '\x1f' + control.text + '\x1f' + std::to_string(control.value) + '\x1e';
  }
  return inputs;
}

void ResultPanel::Changed(const std::string& name) {
  if (name.empty()) return;
  if (labels_.count(name)) {
    written_from_[name] = inputs_;
    Show(name);
    return;
  }
  const std::string now = Inputs();
  if (now == inputs_) return;
  inputs_ = now;
  for (const auto& [label, widget] : labels_) Show(label);
}

bool ResultPanel::IsDimmed(const std::string& label) const {
  const auto it = written_from_.find(label);
  return it != written_from_.end() && it->second != inputs_;
}

bool ResultPanel::AnyDimmed() const {
  for (const auto& [label, widget] : labels_)
    if (IsDimmed(label)) return true;
  return false;
}

void ResultPanel::Show(const std::string& name) {
  QLabel* label = labels_.at(name);
  const bool dimmed = IsDimmed(name);
  if (dimmed == label->property("dimmed").toBool()) return;
  label->setProperty("dimmed", dimmed);
  if (!dimmed) {
    // An empty palette takes everything from the form again, its colour included.
    label->setPalette(QPalette());
    return;
  }
  QPalette palette = label->palette();
  const QColor faded = palette.color(QPalette::Disabled, QPalette::WindowText);
  palette.setColor(QPalette::Active, QPalette::WindowText, faded);
  palette.setColor(QPalette::Inactive, QPalette::WindowText, faded);
  label->setPalette(palette);
}

}  // namespace formkit
