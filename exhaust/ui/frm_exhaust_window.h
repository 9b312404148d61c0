// The Qt window of the engine exhaust program: mirrors the headless FrmExhaust and forwards
// the user's edits, clicks and focus changes to its event handlers.
#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <functional>
#include <memory>
#include <string>

#include "exhaust/frm_exhaust.h"
#include "formkit/host.h"
#include "formkit_print/window_services.h"
#include "formkit/mail.h"
#include "formkit/report.h"

namespace formkit {
class FrmAltitude;
class FrmContactInfo;
class FrmKFactors;
}  // namespace formkit

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

  // What stands in for the common dialog, the printer and the mail system; tests replace
  // them. An empty file name is a cancelled dialog.
  // What stands in for the common dialog, the printer and the mail system; tests replace them.
  using Services = formkit::WindowServices;
  Services& services() { return services_; }

  // File menu commands.
  void mnuFileOpen_Click();
  void mnuFileSaveAs_Click();
  void mnuFilePrintForm_Click();
  void mnuFilePrintReport_Click();
  void mnuFileSendEmail_Click();

  // The dialogs, loaded on first use and kept until the program ends.
  formkit::FrmContactInfo& frmContactInfo();
  formkit::FrmKFactors& frmKFactors();
  formkit::FrmAltitude& frmAltitude();

  // Unloads every form of the program; the program ends when the last one is gone.
  void ExitProgram();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // The form's own messages are warnings about the job's values.
  void MsgBox(const std::string& text, const std::string& caption) override;
  void message(const std::string& text, const std::string& caption, QMessageBox::Icon icon);
  void nameSeparators();
  void connectControls();
  void connectMenus();
  void showDialog(QDialog& dialog);

  std::unique_ptr<Ui::FrmExhaustWindow> ui_;
  FrmExhaust form_;
  MessageHandler message_handler_;
  Services services_;
  formkit::FrmContactInfo* frm_contact_info_ = nullptr;
  formkit::FrmKFactors* frm_k_factors_ = nullptr;
  formkit::FrmAltitude* frm_altitude_ = nullptr;
  bool exiting_ = false;
};

}  // namespace exhaust
