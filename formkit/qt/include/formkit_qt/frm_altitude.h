// The altitude table (frmAltitude): American cities above 1000 feet, in two side-by-side
// tables, for the user to read off. Sets nothing; modeless; "OK" hides it.
#pragma once

#include <QDialog>

namespace formkit {

class FrmAltitude : public QDialog {
  Q_OBJECT

 public:
  explicit FrmAltitude(QWidget* parent = nullptr);
};

}  // namespace formkit
