#include "formkit_qt/frm_altitude.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <span>

#include "formkit_qt/dialog_parts.h"

namespace formkit {
namespace {

struct City {
  const char* state;
  const char* city;
  const char* altitude;  // feet
};

// In alphabetical order, shown in two columns of sixteen.
constexpr City kCities[] = {
    {"Arizona", "Phoenix", "1382"},
    {"Arizona", "Tucson", "2643"},
    {"Colorado", "Denver", "5883"},
    {"Colorado", "Grand Junction", "4858"},
    {"Colorado", "Steamboat Springs", "6878"},
    {"Georgia", "Atlanta", "1002"},
    {"Idaho", "Boise", "2868"},
    {"Idaho", "Mc Call", "3982"},
    {"Iowa", "Des Moines", "1000"},
    {"Kansas", "Wichita", "1332"},
    {"Maine", "Greenville", "1401"},
    {"Missouri", "Kansas City", "1024"},
    {"Montana", "Great Falls", "3676"},
    {"Montana", "Helena", "3874"},
    {"Nebraska", "Lincoln", "1219"},
    {"Nebraska", "Omaha", "1051"},
    {"Nevada", "Las Vegas", "2179"},
    {"New Mexico", "Albuquerque", "5355"},
    {"New Mexico", "Santa Fe", "6348"},
    {"Oklahoma", "Oklahoma City", "1295"},
    {"Pennsylvania", "Pittsburgh", "1204"},
    {"South Dakota", "Sioux Falls", "1429"},
    {"Tennessee", "Knoxville", "1000"},
    {"Texas", "San Antonio", "1380"},
    {"Utah", "Ogden", "4470"},
    {"Utah", "Richfield", "5279"},
    {"Utah", "Salt Lake City", "4227"},
    {"Virginia", "Roanoke", "1176"},
    {"Washington", "Spokane", "2372"},
    {"West Virginia", "Charleston", "1000"},
    {"Wyoming", "Casper", "5348"},
    {"Wyoming", "Cheyenne", "6156"},
};

QLabel* Cell(const QString& text, QWidget* parent, bool bold = false,
             Qt::Alignment align = Qt::AlignLeft) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(align | Qt::AlignVCenter);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

QGridLayout* Table(std::span<const City> cities, QWidget* parent) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(14);
  grid->setVerticalSpacing(2);
  grid->addWidget(Cell(QStringLiteral("State:"), parent, true), 0, 0);
  grid->addWidget(Cell(QStringLiteral("City:"), parent, true), 0, 1);
  grid->addWidget(Cell(QStringLiteral("Altitude:"), parent, true, Qt::AlignRight), 0, 2);
  int row = 1;
  for (const City& city : cities) {
    grid->addWidget(Cell(QString::fromLatin1(city.state), parent), row, 0);
    grid->addWidget(Cell(QString::fromLatin1(city.city), parent), row, 1);
    grid->addWidget(Cell(QString::fromLatin1(city.altitude), parent, false, Qt::AlignRight), row,
                    2);
    ++row;
  }
  return grid;
}

}  // namespace

FrmAltitude::FrmAltitude(QWidget* parent) : QDialog(parent) {
  auto* divider = new QFrame(this);
  divider->setFrameShape(QFrame::VLine);
  divider->setFrameShadow(QFrame::Sunken);

  auto* tables = new QHBoxLayout;
  tables->setSpacing(18);
  const std::span<const City> cities(kCities);
  tables->addLayout(Table(cities.first(16), this));
  tables->addWidget(divider);
  tables->addLayout(Table(cities.subspan(16), this));

  auto* layout = new QVBoxLayout;
  layout->addWidget(
      MakeHeading(QStringLiteral("Altitude of Various American Cities Over 1000 Ft."), this));
  layout->addSpacing(8);
  layout->addLayout(tables);
  FinishDialog(this, QStringLiteral("frmAltitude"),
               QStringLiteral("Various Altitudes Over 1000 Feet"), layout,
               MakeHidingButton(QStringLiteral("OK"), QStringLiteral("cmdAltitudeOK"), this));
}

}  // namespace formkit
