#include "formkit_qt/frm_k_factors.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <span>

#include "formkit/pipe_tables.h"
#include "formkit_qt/dialog_parts.h"

namespace formkit {
namespace {

std::vector<KFactorRow> RowsOf(std::span<const Fitting> fittings) {
  std::vector<KFactorRow> rows;
  for (const Fitting& fitting : fittings) {
    QString label = QString::fromUtf8(fitting.name.data(), fitting.name.size());
    // The table has always shown these two names without a colon.
    if (fitting.name != "45 Elbow" && fitting.name != "Muffler") label += QLatin1Char(':');
    rows.push_back({label, QString::fromUtf8(fitting.k_text.data(), fitting.k_text.size())});
  }
  return rows;
}

}  // namespace

std::vector<KFactorRow> FrmKFactors::VentRows() { return RowsOf(VentFittings()); }
std::vector<KFactorRow> FrmKFactors::ExhaustRows() { return RowsOf(ExhaustFittings()); }

FrmKFactors::FrmKFactors(const std::vector<KFactorRow>& rows, int columns, QWidget* parent)
    : QDialog(parent) {
  columns = std::max(columns, 1);
  const int per_column = (static_cast<int>(rows.size()) + columns - 1) / columns;
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const int row = i % per_column;
    // Each column of the table is a name and a factor, with a gap before the next one.
    const int col = (i / per_column) * 3;
    auto* label = new QLabel(rows[i].label, this);
    auto* factor = new QLabel(rows[i].factor, this);
    factor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, row, col);
    grid->addWidget(factor, row, col + 1);
    if (col > 0) grid->setColumnMinimumWidth(col - 1, 24);
  }

  auto* layout = new QVBoxLayout;
  layout->addWidget(MakeHeading(QStringLiteral("K-Factors used on Corvane Pipe Sections"), this));
  layout->addSpacing(8);
  layout->addLayout(grid);
  FinishDialog(this, QStringLiteral("frmKFactors"), QStringLiteral("K-Factors"), layout,
               MakeHidingButton(QStringLiteral("&Done"), QStringLiteral("cmdDone"), this));
}

}  // namespace formkit
