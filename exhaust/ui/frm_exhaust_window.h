// The Qt window of the engine exhaust program: mirrors the headless FrmExhaust and forwards
// the user's edits, clicks and focus changes to its event handlers.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "exhaust/frm_exhaust.h"
#include "formkit/host.h"
#include "reference_dialogs.h"

namespace Ui {
class FrmExhaustWindow;
}

namespace exhaust {

class FrmExhaustWindow : public QMainWindow, private formkit::Host {
  Q_OBJECT

 public:
  explicit FrmExhaustWindow(QWidget* parent = nullptr);
  ~FrmExhaustWindow() override;

  FrmExhaust& form() { return form_; }

  // Replaces the modal message box (tests record the messages instead).
  using MessageHandler = std::function<void(const std::string& text, const std::string& caption)>;
  void setMessageHandler(MessageHandler handler) { message_handler_ = std::move(handler); }

  // Unloads every form of the program; the program ends when the last one is gone.
  void ExitProgram();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void MsgBox(const std::string& text, const std::string& caption) override;
  void nameSeparators();
  void connectControls();
  void connectMenus();
  void mirror(const std::string& name);
  void mirrorAll();
  // Shows a modeless dialog, creating it on first use.
  template <typename Dialog>
  void showDialog(std::unique_ptr<Dialog>& dialog);

  std::unique_ptr<Ui::FrmExhaustWindow> ui_;
  FrmExhaust form_;
  MessageHandler message_handler_;
  std::unique_ptr<FrmKFactors> k_factors_;
  std::unique_ptr<FrmAltitude> altitude_;
  bool exiting_ = false;
};

}  // namespace exhaust
