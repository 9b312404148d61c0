// The Qt window of the vent sizing program: mirrors the headless FrmSizing and forwards the
// user's edits, clicks and focus changes to its event handlers.
#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>
#include <memory>
#include <string>

#include "formkit/host.h"
#include "formkit_print/window_services.h"
#include "formkit/mail.h"
#include "formkit/report.h"
#include "sizing/frm_sizing.h"

class QDialog;
namespace formkit {
class FrmAltitude;
class FrmContactInfo;
class FrmKFactors;
}  // namespace formkit

namespace Ui {
class FrmSizingWindow;
}

namespace sizing {

// The design colour of the forms and their option buttons and check box (&H00E0E0E0).
inline constexpr unsigned kDesignBackColor = 0xE0E0E0;

class FrmCO2;
class FrmCombinedVent;
class FrmOutletDraft;
class FrmTempRise;

class FrmSizingWindow : public QMainWindow, private formkit::Host {
  Q_OBJECT

 public:
  explicit FrmSizingWindow(QWidget* parent = nullptr);
  ~FrmSizingWindow() override;

  FrmSizing& form() { return form_; }

  // Replaces the modal message box (tests record the messages instead).
  using MessageHandler = std::function<void(const std::string& text, const std::string& caption)>;
  void setMessageHandler(MessageHandler handler) { message_handler_ = std::move(handler); }

  // Unloads every form of the program; the program ends when the last one is gone.
  void EndProgram();

  // What stands in for the common dialog, the printer and the mail system; tests replace them.
  using Services = formkit::WindowServices;
  Services& services() { return services_; }

  // Menu commands.
  void mnuFileOpen_Click();
  void mnuFileSave_Click();
  void mnuOptionBackColor_Click();
  void mnuFilePrintForm_Click();
  void mnuFilePrintReport_Click();
  void mnuFileSendEmail_Click();

  // The dialogs, loaded on first use and kept until the program ends.
  FrmCO2& frmCO2();
  FrmTempRise& frmTempRise();
  formkit::FrmKFactors& frmKFactors();
  FrmCombinedVent& frmCombinedVent();
  FrmOutletDraft& frmOutletDraft();
  formkit::FrmAltitude& frmAltitude();
  formkit::FrmContactInfo& frmContactInfo();

  // Applies a colour (0x00BBGGRR) to the form, its option buttons and check box, and every
  // dialog, loading those not yet loaded.
  void ApplyBackColor(unsigned color);
  unsigned backColor() const { return back_color_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void MsgBox(const std::string& text, const std::string& caption) override;
  void connectControls();
  void connectMenus();
  void setControlColors(const QColor& form, const QColor& controls);
  void showDialog(QDialog& dialog);

  std::unique_ptr<Ui::FrmSizingWindow> ui_;
  FrmSizing form_;
  MessageHandler message_handler_;
  bool ending_ = false;
  unsigned back_color_;
  Services services_;
  FrmCO2* frm_co2_ = nullptr;
  FrmTempRise* frm_temp_rise_ = nullptr;
  formkit::FrmKFactors* frm_k_factors_ = nullptr;
  FrmCombinedVent* frm_combined_vent_ = nullptr;
  FrmOutletDraft* frm_outlet_draft_ = nullptr;
  formkit::FrmAltitude* frm_altitude_ = nullptr;
  formkit::FrmContactInfo* frm_contact_info_ = nullptr;
};


}  // namespace sizing
