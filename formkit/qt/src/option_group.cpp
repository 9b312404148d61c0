#include "formkit_qt/option_group.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <algorithm>

namespace formkit {

OptionGroup::OptionGroup(std::vector<QAbstractButton*> buttons, QObject* parent)
    : QObject(parent), buttons_(std::move(buttons)) {
  for (QAbstractButton* button : buttons_) {
    button->installEventFilter(this);
    connect(button, &QAbstractButton::toggled, this, [this] { UpdateTabStop(); });
  }
  UpdateTabStop();
}

void OptionGroup::UpdateTabStop() {
  QAbstractButton* stop = buttons_.empty() ? nullptr : buttons_.front();
  for (QAbstractButton* button : buttons_)
    if (button->isChecked()) stop = button;
  for (QAbstractButton* button : buttons_)
    button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool OptionGroup::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  int step = 0;
  if (key == Qt::Key_Right || key == Qt::Key_Down) step = 1;
  if (key == Qt::Key_Left || key == Qt::Key_Up) step = -1;
  const auto at = std::find(buttons_.begin(), buttons_.end(), watched);
  if (step == 0 || at == buttons_.end()) return QObject::eventFilter(watched, event);
  const int count = static_cast<int>(buttons_.size());
  // The next button that can take the choice, round the group.
  for (int i = 1; i < count; ++i) {
    QAbstractButton* next = buttons_[((at - buttons_.begin()) + step * i + count * i) % count];
    if (!next->isEnabled() || !next->isVisible()) continue;
    next->setFocus(Qt::OtherFocusReason);
    if (!next->isChecked()) next->click();
    break;
  }
  return true;
}

}  // namespace formkit
