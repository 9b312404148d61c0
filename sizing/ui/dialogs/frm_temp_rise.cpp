#include "frm_temp_rise.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "formkit_qt/dialog_parts.h"

namespace sizing {
namespace {

struct Row {
  const char* appliance;
  bool indented;     // a kind of the row above, which has no value of its own
  const char* rise;  // degrees F; the two "300 " end in a blank as they always have
};

constexpr Row kRows[] = {
    {"Natural gas-fired heating appliance with draft hood (low-efficiency)", false, "300 "},
    {"LP gas-fired heating appliance with draft hood (low-efficiency)", false, "300 "},
    {"Gas-fired heating appliance, no draft hood", false, ""},
    {"Low-Efficiency", true, "400"},
    {"High-Efficiency", true, "240"},
    {"Oil-fired heating appliance (low efficiency)", false, "500"},
    {"Conventional incinerator", false, "1340"},
    {"Controlled air incinerator", false, "1740 - 2340"},
    {"Pathological incinerator", false, "1740 - 2740"},
    {"Turbine exhaust", false, "840 - 1340"},
    {"Diesel exhaust", false, "840 - 1340"},
    {"Ceramic kiln", false, "1740 - 2340"},
};

}  // namespace

FrmTempRise::FrmTempRise(QWidget* parent) : QDialog(parent) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(24);
  grid->setVerticalSpacing(4);
  grid->addWidget(formkit::MakeColumnHeading(QStringLiteral("Appliance Type"), this), 0, 0);
  grid->addWidget(formkit::MakeColumnHeading(QStringLiteral("Temperature Rise Degrees F"), this), 0,
                  1, Qt::AlignCenter);
  int line = 1;
  for (const Row& row : kRows) {
    auto* appliance = new QLabel(QString::fromLatin1(row.appliance), this);
    if (row.indented) appliance->setIndent(24);
    grid->addWidget(appliance, line, 0);
    grid->addWidget(new QLabel(QString::fromLatin1(row.rise), this), line, 1, Qt::AlignCenter);
    ++line;
  }

  formkit::FinishDialog(
      this, QStringLiteral("frmTempRise"), QStringLiteral("Typical Temperature Rise"), grid,
      formkit::MakeHidingButton(QStringLiteral("&Done"), QStringLiteral("Command1"), this));
}

}  // namespace sizing
