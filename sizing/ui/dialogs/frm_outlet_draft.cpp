#include "frm_outlet_draft.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "formkit_qt/dialog_parts.h"

namespace sizing {

FrmOutletDraft::FrmOutletDraft(QWidget* parent) : QDialog(parent) {
  // Values in inches of water column, written with the inch mark.
  auto* drafts = new QGridLayout;
  drafts->setHorizontalSpacing(16);
  drafts->addWidget(new QLabel(QStringLiteral("Atmospheric Appliances:"), this), 0, 0);
  drafts->addWidget(new QLabel(QStringLiteral("-.02\" w.c."), this), 0, 1, Qt::AlignRight);
  drafts->addWidget(new QLabel(QStringLiteral("Forced Draft Appliances:"), this), 1, 0);
  drafts->addWidget(new QLabel(QStringLiteral("0\" w.c."), this), 1, 1, Qt::AlignRight);
  drafts->setColumnStretch(2, 1);

  auto* layout = new QVBoxLayout;
  layout->addLayout(drafts);
  layout->addSpacing(10);
  for (const QString& note :
       {QStringLiteral("A positive (+) sign indicates pressure produced by the appliance at the "
                       "outlet."),
        QStringLiteral("A negative (-) sign indicates you want additional draft at the "
                       "appliance outlet.")}) {
    auto* label = new QLabel(note, this);
    label->setWordWrap(true);
    label->setFixedWidth(360);
    layout->addWidget(label);
  }
  formkit::FinishDialog(
      this, QStringLiteral("frmOutletDraft"), QStringLiteral("Explination of Outlet Draft"), layout,
      formkit::MakeHidingButton(QStringLiteral("Done"), QStringLiteral("cmdDone"), this));
}

}  // namespace sizing
