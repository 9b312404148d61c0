// The Qt window of the engine exhaust program: mirrors the headless FrmExhaust and forwards
// the user's edits and clicks to its event handlers. What it shares with the vent sizing
// program's window is in formkit::ProgramWindow and formkit::FormWindow.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "exhaust/frm_exhaust.h"
#include "formkit_qt/program_window.h"

namespace Ui {
class FrmExhaustWindow;
}

namespace exhaust {

class FrmExhaustWindow : public formkit::ProgramWindow<FrmExhaust> {
  Q_OBJECT

 public:
  explicit FrmExhaustWindow(QWidget* parent = nullptr);
  ~FrmExhaustWindow() override;

  // File menu commands.
  void mnuFileOpen_Click() { FileOpen(); }
  void mnuFileSaveAs_Click() { FileSaveAs(); }
  void mnuFilePrintForm_Click() { FilePrintForm(); }
  void mnuFilePrintReport_Click() { FilePrintReport(); }
  void mnuFileSendEmail_Click() { FileSendEmail(); }

  // Unloads every form of the program; the program ends when the last one is gone.
  void ExitProgram() { EndProgram(); }

 protected:
  void Calculate() override { form_.cmdCalc_Click(); }
  void UnloadForms() override;

 private:
  void nameSeparators();
  void connectControls();
  void connectMenus();

  std::unique_ptr<Ui::FrmExhaustWindow> ui_;
};

}  // namespace exhaust
