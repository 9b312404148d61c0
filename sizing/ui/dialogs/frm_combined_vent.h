// What "Combined Vent" means (frmCombinedVent). Modeless; "&Done" hides it.
#pragma once

#include <QDialog>

namespace sizing {

class FrmCombinedVent : public QDialog {
  Q_OBJECT

 public:
  explicit FrmCombinedVent(QWidget* parent = nullptr);
};

}  // namespace sizing
