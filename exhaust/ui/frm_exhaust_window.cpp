#include "frm_exhaust_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "exhaust/job_files.h"
#include "exhaust/report.h"
#include "formkit/contact.h"
#include "formkit/file_filter.h"
#include "formkit_print/report_printer.h"
#include "formkit_qt/back_color.h"
#include "formkit_qt/form_mirror.h"
#include "formkit_qt/frm_altitude.h"
#include "formkit_qt/frm_contact_info.h"
#include "formkit_qt/frm_k_factors.h"
#include "ui_frm_exhaust.h"

namespace exhaust {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

FrmExhaustWindow::FrmExhaustWindow(QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::FrmExhaustWindow>()), form_(*this) {
  ui_->setupUi(this);
  nameSeparators();
  form_.SetObserver(
      [this](const std::string& name) { formkit::MirrorControl(form_, *this, name); });
  services_ = formkit::DesktopServices(this, QStringLiteral("exhaust.pdf"));
  connectControls();
  connectMenus();
  formkit::MirrorForm(form_, *this);
}

FrmExhaustWindow::~FrmExhaustWindow() { form_.SetObserver(nullptr); }

void FrmExhaustWindow::MsgBox(const std::string& text, const std::string& caption) {
  message(text, caption, QMessageBox::Warning);
}

void FrmExhaustWindow::message(const std::string& text, const std::string& caption,
                               QMessageBox::Icon icon) {
  if (message_handler_) {
    message_handler_(text, caption);
    return;
  }
  QMessageBox box(icon, Q(caption), formkit::MessageBoxText(text), QMessageBox::Ok, this);
  box.exec();
}

formkit::FrmContactInfo& FrmExhaustWindow::frmContactInfo() {
  if (!frm_contact_info_)
    frm_contact_info_ = new formkit::FrmContactInfo(formkit::kContactFile, this);
  return *frm_contact_info_;
}

formkit::FrmKFactors& FrmExhaustWindow::frmKFactors() {
  if (!frm_k_factors_)
    frm_k_factors_ = new formkit::FrmKFactors(formkit::FrmKFactors::ExhaustRows(), 2, this);
  return *frm_k_factors_;
}

formkit::FrmAltitude& FrmExhaustWindow::frmAltitude() {
  if (!frm_altitude_) frm_altitude_ = new formkit::FrmAltitude(this);
  return *frm_altitude_;
}

void FrmExhaustWindow::showDialog(QDialog& dialog) {
  dialog.show();
  dialog.raise();
  dialog.activateWindow();
}

void FrmExhaustWindow::mnuFileOpen_Click() {
  const std::string path =
      services_.open_file_name(QStringLiteral("Open"), Q(formkit::QtFileFilter(kOpenFilter)));
  if (path.empty()) return;
  // A file that cannot be read or holds too few fields opens nothing, without a message.
  OpenJob(form_, path);
}

void FrmExhaustWindow::mnuFileSaveAs_Click() {
  const std::string path =
      services_.save_file_name(QStringLiteral("Save As"), Q(formkit::QtFileFilter(kSaveFilter)));
  if (path.empty()) return;
  std::string error;
  // The file that was there survives a failed save; say so rather than fail silently.
  if (!SaveJob(form_, path, &error))
    message("The job was not saved.\r\n" + error, kProgramTitle, QMessageBox::NoIcon);
}

void FrmExhaustWindow::mnuFilePrintForm_Click() {
  // The form prints on white and then takes its own colour back.
  const QPalette former = palette();
  const bool filled = autoFillBackground();
  formkit::ApplyBackColor(this, Qt::white);
  std::string error;
  const bool printed = services_.print_form(*this, &error);
  setPalette(former);
  setAutoFillBackground(filled);
  if (!printed)
    message("The form was not printed.\r\n" + error, kProgramTitle, QMessageBox::NoIcon);
}

void FrmExhaustWindow::mnuFilePrintReport_Click() {
  const auto contact = formkit::ReadContactFile();
  const auto report = contact ? BuildReport(form_, *contact, ReportDate()) : std::nullopt;
  std::string error;
  if (!report || !services_.print_report(*report, &error))
    message(kReportError, kProgramTitle, QMessageBox::NoIcon);
}

void FrmExhaustWindow::mnuFileSendEmail_Click() {
  formkit::FrmContactInfo& contact = frmContactInfo();
  // Loading the contact again keeps what the boxes hold when the file cannot be read.
  if (formkit::ReadContactFile()) contact.Load_Contact_Info();
  const auto mail = BuildMail(form_, contact.contact().name());
  raise();
  activateWindow();
  std::string error;
  if (!services_.mail || !services_.mail->Send(mail, &error))
    message(kMailError, kProgramTitle, QMessageBox::NoIcon);
}

void FrmExhaustWindow::nameSeparators() {
  const char* names[] = {"mnuSep3", "mnuSep1", "mnuSep2"};
  int next = 0;
  for (QAction* action : ui_->mnuFile->actions())
    if (action->isSeparator() && next < 3) action->setObjectName(QLatin1String(names[next++]));
}

void FrmExhaustWindow::connectControls() {
  for (QLineEdit* edit : findChildren<QLineEdit*>()) {
    const std::string name = edit->objectName().toStdString();
    if (!form_.Has(name)) continue;
    connect(edit, &QLineEdit::textEdited, this,
            [this, name](const QString& text) { form_.SetText(name, text.toStdString()); });
    if (SelectsAllOnFocus(name)) edit->installEventFilter(this);
  }
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
          [this] { showDialog(frmContactInfo()); });
  connect(ui_->mnuCalculate, &QAction::triggered, this, [this] { form_.mnuCalculate_Click(); });
  connect(ui_->mnuOptionsClearAll, &QAction::triggered, this,
          [this] { form_.mnuOptionsClearAll_Click(); });
  connect(ui_->mnuFileExit, &QAction::triggered, this, [this] { ExitProgram(); });
  connect(ui_->mnuOptionsKFactors, &QAction::triggered, this, [this] { showDialog(frmKFactors()); });
  connect(ui_->mnuOptionAltitiude, &QAction::triggered, this,
          [this] { showDialog(frmAltitude()); });
}

bool FrmExhaustWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) formkit::SelectAllDeferred(edit);
  }
  return QMainWindow::eventFilter(watched, event);
}

void FrmExhaustWindow::ExitProgram() {
  if (exiting_) return;
  exiting_ = true;
  // Unload order: frmExhaust, frmContactInfo, frmAltitude, frmKFactors. Dialogs never
  // loaded are skipped.
  auto unload = [](auto*& dialog) {
    delete dialog;
    dialog = nullptr;
  };
  close();
  unload(frm_contact_info_);
  unload(frm_altitude_);
  unload(frm_k_factors_);
  QApplication::quit();
}

void FrmExhaustWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (!exiting_) ExitProgram();
}

}  // namespace exhaust
