#include "frm_co2.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "formkit_qt/back_color.h"
#include "formkit_qt/dialog_parts.h"

namespace sizing {
namespace {

struct Row {
  const char* fuel;
  bool under_natural_gas;  // shown indented below "Natural Gas"
  const char* co2;         // also the text written to txtCO2
  const char* option;
  const char* appliance;
};

constexpr Row kRows[] = {
    {"Natural Gas", false, "5.3", "optNatGas1", "Draft Hood"},
    {"Low-Efficiency", true, "6.0", "optNatGas2", "Barometric Damper"},
    {"High-Efficiency", true, "7.0", "optNatGas3", "No Draft Hood"},
    {"Propane Gas", false, "6.0", "optPropaneGas", "Draft Hood"},
    {"No. 2 Oil", false, "9.0", "optNo2Oil", "Residential"},
    {"Oil", false, "13.5", "optOil", "Forced Draft over 400,000BTU/hr"},
    {"Waste", false, "9.0", "OptWaste", "Incinerator"},
};

}  // namespace

FrmCO2::FrmCO2(QWidget* parent) : QDialog(parent), options_(new QButtonGroup(this)) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(16);
  grid->addWidget(formkit::MakeColumnHeading(QStringLiteral("Fuel Type"), this), 0, 0);
  grid->addWidget(formkit::MakeColumnHeading(QStringLiteral("CO2 %"), this), 0, 1, Qt::AlignRight);
  grid->addWidget(formkit::MakeColumnHeading(QStringLiteral("Appliance"), this), 0, 3);
  int id = 0;
  for (const Row& row : kRows) {
    const int line = id + 1;
    auto* fuel = new QLabel(QString::fromLatin1(row.fuel), this);
    if (row.under_natural_gas) fuel->setIndent(18);
    auto* option = new QRadioButton(this);
    option->setObjectName(QString::fromLatin1(row.option));
    options_->addButton(option, id);
    grid->addWidget(fuel, line, 0);
    grid->addWidget(new QLabel(QString::fromLatin1(row.co2), this), line, 1, Qt::AlignRight);
    grid->addWidget(option, line, 2, Qt::AlignCenter);
    grid->addWidget(new QLabel(QString::fromLatin1(row.appliance), this), line, 3);
    ++id;
  }

  auto* done = new QPushButton(QStringLiteral("&Done"), this);
  done->setObjectName(QStringLiteral("Command1"));
  done->setMinimumWidth(90);
  connect(done, &QPushButton::clicked, this, &FrmCO2::Command1_Click);

  auto* layout = new QVBoxLayout;
  layout->addWidget(formkit::MakeHeading(
      QStringLiteral("2012 ASHRAE Handbook - Typical Vent Design Conditions"), this));
  layout->addSpacing(8);
  layout->addLayout(grid);
  formkit::FinishDialog(this, QStringLiteral("frmCO2"), QStringLiteral("Typical CO2 Content"),
                        layout, done);
}

void FrmCO2::applyBackColor(const QColor& color) {
  formkit::ApplyBackColor(this, color);
  for (QAbstractButton* option : options_->buttons()) formkit::ApplyBackColor(option, color);
}

void FrmCO2::Command1_Click() {
  const int row = options_->checkedId();
  if (row >= 0) emit co2Picked(QString::fromLatin1(kRows[row].co2));
  hide();
}

}  // namespace sizing
