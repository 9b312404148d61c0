// The typical temperature rise table (frmTempRise): appliance types and the rise of their
// flue gas in degrees F. Information only; modeless; "&Done" hides it.
#pragma once

#include <QDialog>

namespace sizing {

class FrmTempRise : public QDialog {
  Q_OBJECT

 public:
  explicit FrmTempRise(QWidget* parent = nullptr);
};

}  // namespace sizing
