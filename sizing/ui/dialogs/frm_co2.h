// The typical CO2 content table (frmCO2): seven fuels and appliances, each with an option
// button. "&Done" hands the selected row's CO2 text to the main form and hides the dialog;
// the selection stays for the next showing.
#pragma once

#include <QDialog>
#include <QString>

class QButtonGroup;
class QColor;
class QRadioButton;

namespace sizing {

class FrmCO2 : public QDialog {
  Q_OBJECT

 public:
  explicit FrmCO2(QWidget* parent = nullptr);

  // Colours the dialog and its option buttons.
  void applyBackColor(const QColor& color);

 signals:
  // "&Done" with a row selected: `text` goes into the main form's txtCO2. Not emitted when
  // no row is selected.
  void co2Picked(const QString& text);

 private:
  void Command1_Click();

  QButtonGroup* options_ = nullptr;  // button id = row index
};

}  // namespace sizing
