#include "frm_combined_vent.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "formkit_qt/dialog_parts.h"

namespace sizing {

FrmCombinedVent::FrmCombinedVent(QWidget* parent) : QDialog(parent) {
  auto* text = new QLabel(
      QStringLiteral("Combined Vent should be used when a system has multiple appliances and is "
                     "utilizing draft hoods.  Combined vent does not apply to forced or induced "
                     "draft vents or chimneys."),
      this);
  text->setWordWrap(true);
  text->setFixedWidth(380);

  auto* layout = new QVBoxLayout;
  layout->addWidget(text);
  formkit::FinishDialog(
      this, QStringLiteral("frmCombinedVent"), QStringLiteral("What is Combined Vent?"), layout,
      formkit::MakeHidingButton(QStringLiteral("&Done"), QStringLiteral("cmdDone"), this));
}

}  // namespace sizing
