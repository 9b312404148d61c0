// The two read-only reference dialogs of the exhaust program: the K-factor table and the
// altitudes of cities. Both are modeless; their own button hides them, so a dialog object
// lives from its first use to the end of the program.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class FrmKFactors;
class FrmAltitude;
}  // namespace Ui

namespace exhaust {

class FrmKFactors : public QDialog {
  Q_OBJECT

 public:
  explicit FrmKFactors(QWidget* parent = nullptr);
  ~FrmKFactors() override;

 private:
  std::unique_ptr<Ui::FrmKFactors> ui_;
};

class FrmAltitude : public QDialog {
  Q_OBJECT

 public:
  explicit FrmAltitude(QWidget* parent = nullptr);
  ~FrmAltitude() override;

 private:
  std::unique_ptr<Ui::FrmAltitude> ui_;
};

}  // namespace exhaust
