#include "formkit_qt/result_panel.h"

#include <QEvent>
#include <QGridLayout>
#include <algorithm>
#include <cmath>
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

double Luminance(const QColor& color) {
  const auto channel = [](double value) {
    value /= 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(color.red()) + 0.7152 * channel(color.green()) +
         0.0722 * channel(color.blue());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor StaleTextColor(const QColor& background) {
  const QColor black(0, 0, 0), white(255, 255, 255);
  const QColor base =
      ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
  // Softer by up to 60 percent towards the background, keeping a margin above 4.5:1.
  QColor chosen = base;
  for (int step = 1; step <= 12; ++step) {
    const double t = step * 0.05;
    const QColor mixed(qRound(base.red() * (1 - t) + background.red() * t),
                       qRound(base.green() * (1 - t) + background.green() * t),
                       qRound(base.blue() * (1 - t) + background.blue() * t));
    if (ContrastRatio(mixed, background) < 4.6) break;
    chosen = mixed;
  }
  return chosen;
}

ResultPanel::ResultPanel(const Form& form, QWidget& window, std::span<const Quantity> quantities)
    : form_(form) {
  for (const Quantity& result : quantities) {
    if (!result.IsResult()) continue;
    const QString name = QString::fromLatin1(result.control.data(), result.control.size());
    auto* label = window.findChild<QLabel*>(name);
    if (!label) continue;
    labels_[std::string(result.control)] = label;
    label->installEventFilter(this);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    int row = 0, column = 0;
    QGridLayout* grid = GridOf(window, label, &row, &column);
    if (!grid || result.unit.empty()) continue;
    auto* unit = new QLabel(QString::fromUtf8(result.unit.data(), result.unit.size()),
                            label->parentWidget());
    unit->setObjectName(name + QStringLiteral("Unit"));
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

bool ResultPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::PaletteChange) {
    for (const auto& [name, label] : labels_)
      if (label == watched && label->property("dimmed").toBool()) Paint(label);
  }
  return QObject::eventFilter(watched, event);
}

void ResultPanel::Paint(QLabel* label) {
  // The background the label shows is its parent's.
  const QWidget* under = label->parentWidget() ? label->parentWidget() : label;
  const QColor color = StaleTextColor(under->palette().color(under->backgroundRole()));
  if (label->palette().color(QPalette::Active, QPalette::WindowText) == color) return;
  QPalette palette = label->palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive})
    palette.setColor(group, QPalette::WindowText, color);
  label->setPalette(palette);
}

void ResultPanel::Show(const std::string& name) {
  QLabel* label = labels_.at(name);
  const bool dimmed = IsDimmed(name);
  if (dimmed == label->property("dimmed").toBool()) return;
  label->setProperty("dimmed", dimmed);
  QFont font = label->font();
  font.setItalic(dimmed);
  label->setFont(font);
  label->setToolTip(dimmed ? QString::fromLatin1(kStaleResultTip) : QString());
  if (!dimmed) {
    // An empty palette takes everything from the form again, its colour included.
    label->setPalette(QPalette());
    return;
  }
  Paint(label);
}

}  // namespace formkit
