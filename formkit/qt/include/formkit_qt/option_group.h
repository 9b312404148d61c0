// Option buttons that choose one of several, as one stop in the Tab order: Tab lands on the
// selected button only, and the arrow keys move to the next or previous button and select
// it (which clicks it, so the form hears of the choice as from the mouse). For buttons whose
// exclusivity the form keeps itself (auto-exclusive off).
#pragma once

#include <QObject>
#include <vector>

class QAbstractButton;

namespace formkit {

class OptionGroup : public QObject {
 public:
  OptionGroup(std::vector<QAbstractButton*> buttons, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Only the selected button (the first when none is) takes the focus by Tab.
  void UpdateTabStop();

  std::vector<QAbstractButton*> buttons_;
};

}  // namespace formkit
