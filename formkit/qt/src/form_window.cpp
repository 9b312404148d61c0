#include "formkit_qt/form_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

#include "formkit/file_filter.h"
#include "formkit/file_store.h"
#include "formkit/job_cli.h"
#include "formkit/report_contact.h"
#include "formkit_qt/back_color.h"
#include "formkit_qt/form_mirror.h"
#include "formkit_qt/frm_altitude.h"
#include "formkit_qt/frm_contact_info.h"
#include "formkit_qt/message_box.h"

namespace formkit {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

FormWindow::FormWindow(FormProgram program, QWidget* parent)
    : QMainWindow(parent), program_(std::move(program)) {
  services_ = DesktopServices(this, program_.pdf_name, &composer_);
  // A composer that gives up within seconds (no mail program) took nothing.
  composer_.failed = [this](const std::string&) {
    Message(kMailNotSent, program_.title, QMessageBox::NoIcon);
  };
  if (!program_.icon.isNull()) setWindowIcon(program_.icon);
}

FormWindow::~FormWindow() = default;

void FormWindow::AttachForm(Form& form) {
  form_ = &form;
  results_ = std::make_unique<ResultPanel>(form, *this, program_.quantities);
  form.SetObserver([this](const std::string& name) {
    MirrorControl(*form_, *this, name);
    results_->Changed(name);
  });
  connectControls();
  addSheetMenu();
}

void FormWindow::addSheetMenu() {
  if (!Sheet()) return;
  auto* print_form = findChild<QAction*>(QStringLiteral("mnuFilePrintForm"));
  if (!print_form || print_form->associatedObjects().isEmpty()) return;
  for (QObject* owner : print_form->associatedObjects()) {
    auto* menu = qobject_cast<QMenu*>(owner);
    if (!menu) continue;
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(print_form);
    auto* sheet = new QAction(QStringLiteral("Print Calculation &Sheet"), this);
    sheet->setObjectName(QStringLiteral("mnuFilePrintSheet"));
    menu->insertAction(at + 1 < actions.size() ? actions[at + 1] : nullptr, sheet);
    connect(sheet, &QAction::triggered, this, [this] { FilePrintSheet(); });
    return;
  }
}

void FormWindow::connectControls() {
  QPushButton* calculate =
      program_.calculate_button ? findChild<QPushButton*>(Q(program_.calculate_button)) : nullptr;
  if (calculate) calculate->setDefault(true);
  for (QLineEdit* edit : findChildren<QLineEdit*>()) {
    const std::string name = edit->objectName().toStdString();
    if (!form_->Has(name)) continue;
    connect(edit, &QLineEdit::textEdited, this,
            [this, name](const QString& text) { form_->SetText(name, text.toStdString()); });
    if (calculate) connect(edit, &QLineEdit::returnPressed, calculate, &QAbstractButton::click);
    edit->installEventFilter(this);
  }
  for (QComboBox* list : findChildren<QComboBox*>())
    if (form_->Has(list->objectName().toStdString())) list->installEventFilter(this);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  const std::string name = watched->objectName().toStdString();
  if (event->type() == QEvent::FocusIn) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && program_.selects_all_on_focus && program_.selects_all_on_focus(name))
      SelectAllDeferred(edit);
  } else if (event->type() == QEvent::FocusOut) {
    // A message box or menu taking the keyboard is not the control losing the focus.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
      ControlLostFocus(name);
  }
  return QMainWindow::eventFilter(watched, event);
}

void FormWindow::MsgBox(const std::string& text, const std::string& caption) {
  Message(text, caption, program_.form_message_icon);
}

void FormWindow::Message(const std::string& text, const std::string& caption,
                         QMessageBox::Icon icon) {
  if (message_handler_) {
    message_handler_(text, caption);
    return;
  }
  MakeMessageBox(this, icon, Q(caption), text)->exec();
}

FrmContactInfo& FormWindow::frmContactInfo() {
  if (!frm_contact_info_) frm_contact_info_ = new FrmContactInfo(kContactFile, this);
  return *frm_contact_info_;
}

FrmKFactors& FormWindow::frmKFactors() {
  if (!frm_k_factors_)
    frm_k_factors_ = new FrmKFactors(program_.k_factor_rows, program_.k_factor_columns, this);
  return *frm_k_factors_;
}

FrmAltitude& FormWindow::frmAltitude() {
  if (!frm_altitude_) frm_altitude_ = new FrmAltitude(this);
  return *frm_altitude_;
}

void FormWindow::ShowDialog(QDialog& dialog) {
  dialog.show();
  dialog.raise();
  dialog.activateWindow();
}

void FormWindow::FileOpen() {
  const std::string path =
      services_.open_file_name(QStringLiteral("Open"), Q(QtFileFilter(program_.open_filter)));
  if (path.empty()) return;
  // A file that cannot be read or is not a job opens nothing, without a message.
  OpenJob(path, nullptr);
}

bool FormWindow::OpenJobFile(const std::string& path) {
  std::string error;
  if (OpenJob(path, &error)) return true;
  Message("The job was not opened.\r\n\r\n" + error, program_.title, QMessageBox::NoIcon);
  return false;
}

void FormWindow::FileSaveAs() {
  const std::string path =
      services_.save_file_name(QStringLiteral("Save As"), Q(QtFileFilter(program_.save_filter)));
  if (path.empty()) return;
  std::string error;
  // The file that was there survives a failed save; say so rather than fail silently.
  if (!SaveJob(path, &error)) Message(NotSavedText("job", error), program_.title, QMessageBox::NoIcon);
}

void FormWindow::SetPrintColors(bool printing) {
  if (printing) {
    palette_before_print_ = palette();
    filled_before_print_ = autoFillBackground();
    ApplyBackColor(this, Qt::white);
  } else {
    setPalette(palette_before_print_);
    setAutoFillBackground(filled_before_print_);
  }
}

void FormWindow::FilePrintForm() {
  // The form prints on white, without the menu bar: its client area, as a form print is.
  SetPrintColors(true);
  std::string error;
  QWidget* client = centralWidget() ? centralWidget() : this;
  const bool printed = services_.print_form(*client, &error);
  SetPrintColors(false);
  if (!printed)
    Message("The form was not printed.\r\n" + error, program_.title, QMessageBox::NoIcon);
}

void FormWindow::FilePrintReport() { printReport(false); }
void FormWindow::FilePrintSheet() { printReport(true); }

bool FormWindow::CalculateIfChanged() {
  if (!results_->AnyDimmed()) return true;
  Calculate();
  return !results_->AnyDimmed();
}

void FormWindow::printReport(bool with_sheet) {
  // The report and the sheet describe the inputs on the form: a report of changed inputs
  // is recalculated first, and one whose calculation stopped is not printed (its sheet is,
  // saying where it stopped).
  const bool current = CalculateIfChanged();
  if (!current && !with_sheet) {
    Message(kStaleReportText, program_.title, QMessageBox::NoIcon);
    return;
  }
  const auto contact = ReadContactFile();
  auto report = contact && current ? BuildReport(*contact, ReportDate()) : std::nullopt;
  if (with_sheet && Sheet()) {
    // The sheet needs no contact details; the report page goes first when it can be made.
    Report document = report ? std::move(*report) : Report{};
    AppendSheet(document, *Sheet(), SheetHeadingOf(kSheetTitle, *form_, ReportDate()));
    report = std::move(document);
  }
  std::string error;
  if (!report || !services_.print_report(*report, &error))
    Message(kReportError, program_.title, QMessageBox::NoIcon);
}

void FormWindow::FileSendEmail() {
  FrmContactInfo& contact = frmContactInfo();
  if (program_.mail_reloads_unreadable_contact || ReadContactFile()) contact.Load_Contact_Info();
  // The mail, like the report, holds the results of the inputs it lists.
  if (!CalculateIfChanged()) {
    Message(std::string(kMailNotSent) + "\r\n\r\n" + kStaleResultsReason, program_.title,
            QMessageBox::NoIcon);
    return;
  }
  const MailMessage message = BuildMail(contact.contact().name());
  raise();
  activateWindow();
  std::string error;
  // A composer that could not be started fails here; one that fails soon after says so
  // through the sender.
  if (!services_.mail || !services_.mail->Send(message, &error))
    Message(kMailNotSent, program_.title, QMessageBox::NoIcon);
}

void FormWindow::EndProgram() {
  if (ending_) return;
  ending_ = true;
  UnloadForms();
  QApplication::quit();
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (!ending_) EndProgram();
}

}  // namespace formkit
