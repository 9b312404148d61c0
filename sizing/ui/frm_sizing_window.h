// The Qt window of the vent sizing program: mirrors the headless FrmSizing and forwards the
// user's edits, clicks and focus changes to its event handlers. What it shares with the
// exhaust program's window is in formkit::ProgramWindow and formkit::FormWindow.
#pragma once

#include <QColor>
#include <memory>
#include <optional>
#include <string>

#include "formkit_qt/program_window.h"
#include "sizing/frm_sizing.h"

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

class FrmSizingWindow : public formkit::ProgramWindow<FrmSizing> {
  Q_OBJECT

 public:
  explicit FrmSizingWindow(QWidget* parent = nullptr);
  ~FrmSizingWindow() override;

  // Unloads every form of the program; the program ends when the last one is gone.
  void EndProgram() { FormWindow::EndProgram(); }

  // Menu commands.
  void mnuFileOpen_Click() { FileOpen(); }
  void mnuFileSave_Click() { FileSaveAs(); }
  void mnuOptionBackColor_Click();
  void mnuFilePrintForm_Click() { FilePrintForm(); }
  void mnuFilePrintReport_Click() { FilePrintReport(); }
  void mnuFileSendEmail_Click() { FileSendEmail(); }

  // The program's own dialogs, loaded on first use and kept until the program ends.
  FrmCO2& frmCO2();
  FrmTempRise& frmTempRise();
  FrmCombinedVent& frmCombinedVent();
  FrmOutletDraft& frmOutletDraft();

  // Applies a colour (0x00BBGGRR) to the form, its option buttons and check box, and every
  // dialog, loading those not yet loaded.
  void ApplyBackColor(unsigned color);
  unsigned backColor() const { return back_color_; }

 protected:
  void Calculate() override { form_.cmdCalculate_Click(); }
  void UnloadForms() override;
  void ControlLostFocus(const std::string& name) override;
  void SetPrintColors(bool printing) override;

 private:
  void connectControls();
  void connectMenus();
  void setControlColors(const QColor& form, const QColor& controls);

  std::unique_ptr<Ui::FrmSizingWindow> ui_;
  unsigned back_color_;
  QColor color_before_print_;
  FrmCO2* frm_co2_ = nullptr;
  FrmTempRise* frm_temp_rise_ = nullptr;
  FrmCombinedVent* frm_combined_vent_ = nullptr;
  FrmOutletDraft* frm_outlet_draft_ = nullptr;
};

}  // namespace sizing
