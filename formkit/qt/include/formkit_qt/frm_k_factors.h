// The K-factor table (frmKFactors): one read-only row per pipe fitting with its K factor,
// under the heading "K-Factors used on Corvane Pipe Sections". Modeless; "&Done" hides it.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

namespace formkit {

struct KFactorRow {
  QString label;   // the fitting's name as the table shows it, e.g. "90 Tee:"
  QString factor;  // K with two decimals, e.g. "1.25"
};

class FrmKFactors : public QDialog {
  Q_OBJECT

 public:
  // Lays `rows` out top to bottom, filling `columns` columns one after the other (the first
  // columns take one row more when the rows do not divide evenly).
  FrmKFactors(const std::vector<KFactorRow>& rows, int columns, QWidget* parent = nullptr);

  // The vent program's fifteen fittings, and the exhaust program's thirteen, with the
  // factors their calculations use.
  static std::vector<KFactorRow> VentRows();
  static std::vector<KFactorRow> ExhaustRows();
};

}  // namespace formkit
