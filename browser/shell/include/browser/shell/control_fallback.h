// What stands in a hosted control's rectangle when the control cannot be made (no plug-in
// answers its name, or the plug-in refused to start it): a sunken panel naming the control,
// so that the page shows the gap instead of hiding it.
#pragma once

#include <QString>
#include <QWidget>

namespace browser::shell {

class ControlFallback : public QWidget {
  Q_OBJECT
 public:
  ControlFallback(QString control_name, QWidget* parent);

  const QString& control_name() const { return control_name_; }
  // The panel's text: the control's name and that it is not available.
  QString Caption() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString control_name_;
};

}  // namespace browser::shell
