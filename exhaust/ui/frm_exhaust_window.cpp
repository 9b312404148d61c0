#include "frm_exhaust_window.h"

#include <QAction>
#include <QPushButton>

#include "exhaust/job_files.h"
#include "exhaust/report.h"
#include "formkit_qt/form_mirror.h"
#include "formkit_qt/frm_altitude.h"
#include "formkit_qt/frm_contact_info.h"
#include "formkit_qt/frm_k_factors.h"
#include "ui_frm_exhaust.h"

namespace exhaust {
namespace {

formkit::FormProgram Program() {
  formkit::FormProgram program;
  program.title = kProgramTitle;
  program.pdf_name = QStringLiteral("exhaust.pdf");
  program.open_filter = kOpenFilter;
  program.save_filter = kSaveFilter;
  // The form's own messages are warnings about the job's values.
  program.form_message_icon = QMessageBox::Warning;
  program.k_factor_rows = formkit::FrmKFactors::ExhaustRows();
  program.k_factor_columns = 2;
  program.quantities = kQuantities;
  program.selects_all_on_focus = [](const std::string& name) { return SelectsAllOnFocus(name); };
  program.calculate_button = "cmdCalc";
  // Loading the contact again keeps what the boxes hold when the file cannot be read.
  program.mail_reloads_unreadable_contact = false;
  program.icon = QIcon(QStringLiteral(":/icons/corvane-exhaust.svg"));
  return program;
}

}  // namespace

FrmExhaustWindow::FrmExhaustWindow(QWidget* parent)
    : ProgramWindow(
          Program(),
          {&exhaust::SaveJob, &exhaust::OpenJob, &exhaust::BuildReport, &exhaust::BuildMail},
          parent),
      ui_(std::make_unique<Ui::FrmExhaustWindow>()) {
  ui_->setupUi(this);
  nameSeparators();
  AttachForm(form_);
  connectControls();
  connectMenus();
  formkit::MirrorForm(form_, *this);
}

FrmExhaustWindow::~FrmExhaustWindow() = default;

void FrmExhaustWindow::nameSeparators() {
  const char* names[] = {"mnuSep3", "mnuSep1", "mnuSep2"};
  int next = 0;
  for (QAction* action : ui_->mnuFile->actions())
    if (action->isSeparator() && next < 3) action->setObjectName(QLatin1String(names[next++]));
}

void FrmExhaustWindow::connectControls() {
  connect(ui_->cmdCalc, &QPushButton::clicked, this, [this] { form_.cmdCalc_Click(); });
  connect(ui_->cmdTest1, &QPushButton::clicked, this, [this] { form_.cmdTest1_Click(); });
  connect(ui_->cmdExit, &QPushButton::clicked, this, [this] { ExitProgram(); });
}

void FrmExhaustWindow::connectMenus() {
  connect(ui_->mnuFileOpen, &QAction::triggered, this, [this] { mnuFileOpen_Click(); });
  connect(ui_->mnuFileSaveAs, &QAction::triggered, this, [this] { mnuFileSaveAs_Click(); });
  connect(ui_->mnuFilePrintForm, &QAction::triggered, this, [this] { mnuFilePrintForm_Click(); });
  connect(ui_->mnuFilePrintReport, &QAction::triggered, this,
          [this] { mnuFilePrintReport_Click(); });
  connect(ui_->mnuFileSendEmail, &QAction::triggered, this, [this] { mnuFileSendEmail_Click(); });
  connect(ui_->mnuContactAddress, &QAction::triggered, this,
          [this] { ShowDialog(frmContactInfo()); });
  connect(ui_->mnuCalculate, &QAction::triggered, this, [this] { form_.mnuCalculate_Click(); });
  connect(ui_->mnuOptionsClearAll, &QAction::triggered, this,
          [this] { form_.mnuOptionsClearAll_Click(); });
  connect(ui_->mnuFileExit, &QAction::triggered, this, [this] { ExitProgram(); });
  connect(ui_->mnuOptionsKFactors, &QAction::triggered, this, [this] { ShowDialog(frmKFactors()); });
  connect(ui_->mnuOptionAltitiude, &QAction::triggered, this,
          [this] { ShowDialog(frmAltitude()); });
}

void FrmExhaustWindow::UnloadForms() {
  // Unload order: frmExhaust, frmContactInfo, frmAltitude, frmKFactors. Dialogs never
  // loaded are skipped.
  close();
  Unload(frm_contact_info_);
  Unload(frm_altitude_);
  Unload(frm_k_factors_);
}

}  // namespace exhaust
