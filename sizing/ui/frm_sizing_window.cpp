#include "frm_sizing_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "formkit/contact.h"
#include "formkit/file_filter.h"
#include "formkit_print/report_printer.h"
#include "formkit_qt/back_color.h"
#include "formkit_qt/form_mirror.h"
#include "formkit_qt/frm_altitude.h"
#include "formkit_qt/frm_contact_info.h"
#include "formkit_qt/frm_k_factors.h"
#include "frm_co2.h"
#include "frm_combined_vent.h"
#include "frm_outlet_draft.h"
#include "frm_temp_rise.h"
#include "sizing/job_files.h"
#include "sizing/report.h"
#include "ui_frm_sizing.h"

#include <QColorDialog>
#include <QFileDialog>

namespace sizing {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QColor ToQColor(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

}  // namespace

FrmSizingWindow::FrmSizingWindow(QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::FrmSizingWindow>()),
      form_(*this),
      back_color_(kDesignBackColor) {
  ui_->setupUi(this);
  form_.SetObserver(
      [this](const std::string& name) { formkit::MirrorControl(form_, *this, name); });
  services_ = formkit::DesktopServices(this, QStringLiteral("sizing.pdf"));
  setControlColors(ToQColor(back_color_), ToQColor(back_color_));
  connectControls();
  connectMenus();
  form_.Form_Load();
  // The stored colour; a missing or unreadable background.dat keeps the design colours.
  if (const auto stored = ReadBackgroundColor()) ApplyBackColor(*stored);
  formkit::MirrorForm(form_, *this);
}

FrmSizingWindow::~FrmSizingWindow() { form_.SetObserver(nullptr); }

void FrmSizingWindow::MsgBox(const std::string& text, const std::string& caption) {
  if (message_handler_) {
    message_handler_(text, caption);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, Q(caption), formkit::MessageBoxText(text), QMessageBox::Ok,
                  this);
  box.exec();
}

void FrmSizingWindow::setControlColors(const QColor& form, const QColor& controls) {
  formkit::ApplyBackColor(ui_->chkCombinedVent, controls);
  formkit::ApplyBackColor(ui_->optDraftNo, controls);
  formkit::ApplyBackColor(ui_->optDraftYes, controls);
  formkit::ApplyBackColor(this, form);
}

void FrmSizingWindow::ApplyBackColor(unsigned color) {
  back_color_ = color;
  const QColor c = ToQColor(color);
  // The order of the original: the three controls, then every form (loading those not yet
  // loaded, so they show the colour when first opened), then the CO2 dialog's options.
  setControlColors(c, c);
  formkit::ApplyBackColor(&frmCO2(), c);
  formkit::ApplyBackColor(&frmCombinedVent(), c);
  formkit::ApplyBackColor(&frmContactInfo(), c);
  formkit::ApplyBackColor(&frmKFactors(), c);
  formkit::ApplyBackColor(this, c);
  formkit::ApplyBackColor(&frmTempRise(), c);
  formkit::ApplyBackColor(&frmOutletDraft(), c);
  formkit::ApplyBackColor(&frmAltitude(), c);
  frmCO2().applyBackColor(c);
}

void FrmSizingWindow::showDialog(QDialog& dialog) {
  dialog.show();
  dialog.raise();
  dialog.activateWindow();
}

FrmCO2& FrmSizingWindow::frmCO2() {
  if (!frm_co2_) {
    frm_co2_ = new FrmCO2(this);
    connect(frm_co2_, &FrmCO2::co2Picked, this,
            [this](const QString& text) { form_.SetText("txtCO2", text.toStdString()); });
  }
  return *frm_co2_;
}

FrmTempRise& FrmSizingWindow::frmTempRise() {
  if (!frm_temp_rise_) frm_temp_rise_ = new FrmTempRise(this);
  return *frm_temp_rise_;
}

formkit::FrmKFactors& FrmSizingWindow::frmKFactors() {
  if (!frm_k_factors_)
    frm_k_factors_ = new formkit::FrmKFactors(formkit::FrmKFactors::VentRows(), 1, this);
  return *frm_k_factors_;
}

FrmCombinedVent& FrmSizingWindow::frmCombinedVent() {
  if (!frm_combined_vent_) frm_combined_vent_ = new FrmCombinedVent(this);
  return *frm_combined_vent_;
}

FrmOutletDraft& FrmSizingWindow::frmOutletDraft() {
  if (!frm_outlet_draft_) frm_outlet_draft_ = new FrmOutletDraft(this);
  return *frm_outlet_draft_;
}

formkit::FrmAltitude& FrmSizingWindow::frmAltitude() {
  if (!frm_altitude_) frm_altitude_ = new formkit::FrmAltitude(this);
  return *frm_altitude_;
}

formkit::FrmContactInfo& FrmSizingWindow::frmContactInfo() {
  if (!frm_contact_info_) frm_contact_info_ = new formkit::FrmContactInfo(formkit::kContactFile, this);
  return *frm_contact_info_;
}

void FrmSizingWindow::mnuFileSave_Click() {
  const std::string path =
      services_.save_file_name(QStringLiteral("Save As"), Q(formkit::QtFileFilter(kSaveFilter)));
  if (path.empty()) return;
  std::string error;
  // The file that was there survives a failed save; say so rather than fail silently.
  if (!SaveJob(form_, path, &error)) MsgBox("The job was not saved.\r\n" + error, kProgramTitle);
}

void FrmSizingWindow::mnuFileOpen_Click() {
  const std::string path =
      services_.open_file_name(QStringLiteral("Open"), Q(formkit::QtFileFilter(kOpenFilter)));
  if (path.empty()) return;
  OpenJob(form_, path);
}

void FrmSizingWindow::mnuOptionBackColor_Click() {
  const auto color = services_.choose_color(back_color_);
  if (!color) return;
  ApplyBackColor(*color);
  WriteBackgroundColor(*color);
}

void FrmSizingWindow::mnuFilePrintForm_Click() {
  // The form prints on white; afterwards the form and its three controls all take the
  // form's former colour.
  const QColor former = palette().color(QPalette::Window);
  setControlColors(Qt::white, Qt::white);
  std::string error;
  const bool printed = services_.print_form(*this, &error);
  setControlColors(former, former);
  if (!printed) MsgBox("The form was not printed.\r\n" + error, kProgramTitle);
}

void FrmSizingWindow::mnuFilePrintReport_Click() {
  const auto contact = formkit::ReadContactFile();
  const auto report = contact ? BuildReport(form_, *contact, ReportDate()) : std::nullopt;
  std::string error;
  if (!report || !services_.print_report(*report, &error)) MsgBox(kReportError, kProgramTitle);
}

void FrmSizingWindow::mnuFileSendEmail_Click() {
  formkit::FrmContactInfo& contact = frmContactInfo();
  contact.Load_Contact_Info();
  const auto message = BuildMail(form_, contact.contact().name());
  raise();
  activateWindow();
  std::string error;
  if (!services_.mail || !services_.mail->Send(message, &error)) MsgBox(kMailError, kProgramTitle);
}

void FrmSizingWindow::connectControls() {
  for (QLineEdit* edit : findChildren<QLineEdit*>()) {
    const std::string name = edit->objectName().toStdString();
    if (!form_.Has(name)) continue;
    connect(edit, &QLineEdit::textEdited, this,
            [this, name](const QString& text) { form_.SetText(name, text.toStdString()); });
    edit->installEventFilter(this);
  }
  ui_->cmbFuelType->installEventFilter(this);
  connect(ui_->cmbFuelType, &QComboBox::activated, this,
          [this](int index) { form_.SelectFuel(index); });

  // The form decides which option is selected; Qt's own exclusivity would fight it.
  ui_->optDraftYes->setAutoExclusive(false);
  ui_->optDraftNo->setAutoExclusive(false);
  connect(ui_->optDraftYes, &QRadioButton::clicked, this, [this] { form_.SelectInducedDraft(true); });
  connect(ui_->optDraftNo, &QRadioButton::clicked, this, [this] { form_.SelectInducedDraft(false); });
  connect(ui_->chkCombinedVent, &QCheckBox::clicked, this,
          [this](bool checked) { form_.SetValue("chkCombinedVent", checked ? 1 : 0); });

  connect(ui_->cmdCalculate, &QPushButton::clicked, this, [this] { form_.cmdCalculate_Click(); });
  // "&Calculate" and the "&Contact" menu share Alt+C; Qt would ignore an ambiguous key, so
  // the menu keeps it (the calculation has Alt+U through "Calc&ulate").
  ui_->cmdCalculate->setShortcut(QKeySequence());
  connect(ui_->cmdTest, &QPushButton::clicked, this, [this] { form_.cmdTest_Click(); });
}

void FrmSizingWindow::connectMenus() {
  connect(ui_->mnuFileOpen, &QAction::triggered, this, [this] { mnuFileOpen_Click(); });
  connect(ui_->mnuFileSave, &QAction::triggered, this, [this] { mnuFileSave_Click(); });
  connect(ui_->mnuFilePrintForm, &QAction::triggered, this, [this] { mnuFilePrintForm_Click(); });
  connect(ui_->mnuFilePrintReport, &QAction::triggered, this,
          [this] { mnuFilePrintReport_Click(); });
  connect(ui_->mnuFileSendEmail, &QAction::triggered, this, [this] { mnuFileSendEmail_Click(); });
  connect(ui_->mnuOptionBackColor, &QAction::triggered, this,
          [this] { mnuOptionBackColor_Click(); });
  connect(ui_->mnuContactAddress, &QAction::triggered, this,
          [this] { showDialog(frmContactInfo()); });
  connect(ui_->mnuOptionsKFactor, &QAction::triggered, this, [this] { showDialog(frmKFactors()); });
  connect(ui_->mnuOptionsAltitude, &QAction::triggered, this, [this] { showDialog(frmAltitude()); });
  connect(ui_->cmdCO2, &QPushButton::clicked, this, [this] { showDialog(frmCO2()); });
  connect(ui_->Command1, &QPushButton::clicked, this, [this] { showDialog(frmTempRise()); });
  connect(ui_->cmdAltitude, &QPushButton::clicked, this, [this] { showDialog(frmAltitude()); });
  connect(ui_->cmdOutletDraft, &QPushButton::clicked, this,
          [this] { showDialog(frmOutletDraft()); });
  connect(ui_->Command2, &QPushButton::clicked, this, [this] { showDialog(frmCombinedVent()); });
  connect(ui_->mnuCalculate, &QAction::triggered, this, [this] { form_.mnuCalculate_Click(); });
  connect(ui_->mnuOptionsClearAll, &QAction::triggered, this,
          [this] { form_.mnuOptionsClearAll_Click(); });
  connect(ui_->mnuFileExit, &QAction::triggered, this, [this] { EndProgram(); });
}

bool FrmSizingWindow::eventFilter(QObject* watched, QEvent* event) {
  const std::string name = watched->objectName().toStdString();
  if (event->type() == QEvent::FocusIn) {
    if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && SelectsAllOnFocus(name))
      formkit::SelectAllDeferred(edit);
  } else if (event->type() == QEvent::FocusOut) {
    // A message box or menu taking the keyboard is not the control losing the focus.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      if (name == "cmbFuelType") form_.cmbFuelType_LostFocus();
      else if (name == "txtJobDescription") form_.txtJobDescription_LostFocus();
      else if (name == "txtSysHeight") form_.txtSysHeight_LostFocus();
      else if (name == "txtSysLength") form_.txtSysLength_LostFocus();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void FrmSizingWindow::EndProgram() {
  if (ending_) return;
  ending_ = true;
  // Unload order: frmCO2, frmCombinedVent, frmContactInfo, frmKFactors, frmSizing,
  // frmTempRise, frmOutletDraft, frmAltitude (the splash is gone before the main form shows).
  // Dialogs never loaded are skipped.
  auto unload = [](auto*& dialog) {
    delete dialog;
    dialog = nullptr;
  };
  unload(frm_co2_);
  unload(frm_combined_vent_);
  unload(frm_contact_info_);
  unload(frm_k_factors_);
  close();
  unload(frm_temp_rise_);
  unload(frm_outlet_draft_);
  unload(frm_altitude_);
  QApplication::quit();
}

void FrmSizingWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (!ending_) EndProgram();
}

}  // namespace sizing
