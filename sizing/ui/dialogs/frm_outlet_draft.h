// Typical outlet draft of atmospheric and forced draft appliances, and what the sign of a
// draft means (frmOutletDraft). Modeless; "Done" hides it.
#pragma once

#include <QDialog>

namespace sizing {

class FrmOutletDraft : public QDialog {
  Q_OBJECT

 public:
  explicit FrmOutletDraft(QWidget* parent = nullptr);
};

}  // namespace sizing
