#include "reference_dialogs.h"

#include <QPushButton>

#include "ui_frm_altitude.h"
#include "ui_frm_k_factors.h"

namespace exhaust {

FrmKFactors::FrmKFactors(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::FrmKFactors>()) {
  ui_->setupUi(this);
  setModal(false);
  connect(ui_->cmdDone, &QPushButton::clicked, this, &QWidget::hide);
}

FrmKFactors::~FrmKFactors() = default;

FrmAltitude::FrmAltitude(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::FrmAltitude>()) {
  ui_->setupUi(this);
  setModal(false);
  connect(ui_->cmdAltitudeOK, &QPushButton::clicked, this, &QWidget::hide);
}

FrmAltitude::~FrmAltitude() = default;

}  // namespace exhaust
