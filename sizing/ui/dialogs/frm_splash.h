// The start-up splash form (frmSplash): company, product, version and the data warning. It
// stays until the user presses a key or clicks on it; there is no timer. It opens centred on
// the screen.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;

namespace sizing {

class FrmSplash : public QWidget {
  Q_OBJECT

 public:
  // The version shows as "Version major.minor.revision".
  FrmSplash(int major, int minor, int revision, QWidget* parent = nullptr);

 signals:
  // Any key, or a click on the frame, the logo or a label: the caller closes the splash and
  // shows the main form. Emitted once.
  void switchToMain();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  void Form_Load(int major, int minor, int revision);
  void Switch();

  static constexpr int kLogoSize = 140;
  QFrame* frame_ = nullptr;
  QLabel* logo_ = nullptr;
  QLabel* lbl_product_name_ = nullptr;
  QLabel* lbl_version_ = nullptr;
  bool switched_ = false;
};

}  // namespace sizing
