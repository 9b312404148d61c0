// The main window both sizing programs are built on. It mirrors a headless formkit::Form,
// forwards the user's edits to it, shows its message boxes, and holds everything the two
// windows do alike: the services (file dialogs, printer, mail composer), the contact,
// K-factor and altitude dialogs (loaded on first use, kept until the program ends), the
// Open, Save As, Print Form, Print Report and Send Email commands, selecting a number box's
// text when it takes the focus, Enter as Calculate, the result labels (ResultPanel), and
// the program's ending. A program's window derives from it, supplies what differs through
// FormProgram and the virtual functions, and calls AttachForm from its constructor.
#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QMessageBox>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formkit/calc_sheet.h"
#include "formkit/contact.h"
#include "formkit/form.h"
#include "formkit/host.h"
#include "formkit/mail.h"
#include "formkit/report.h"
#include "formkit_print/watched_mail_sender.h"
#include "formkit_print/window_services.h"
#include "formkit_qt/frm_k_factors.h"
#include "formkit_qt/result_panel.h"

class QDialog;

namespace formkit {

class FrmAltitude;
class FrmContactInfo;

// What tells the two programs' windows apart, as data.
struct FormProgram {
  std::string title;       // the caption of the window's own messages ("Pipe Sizing")
  QString pdf_name;        // offered when the report or the form goes into a PDF file
  std::string open_filter;  // as the common dialog took it: "Sizing Files(*.siz)|*.siz|..."
  std::string save_filter;
  QMessageBox::Icon form_message_icon = QMessageBox::NoIcon;  // the form's own warnings
  std::vector<KFactorRow> k_factor_rows;
  int k_factor_columns = 1;
  // The program's quantities: the window shows each result's unit beside it.
  std::span<const Quantity> quantities;
  // The text boxes that select their whole text when they take the focus.
  std::function<bool(const std::string& control)> selects_all_on_focus;
  // Enter in any of the form's text boxes clicks this button, the window's default.
  const char* calculate_button = nullptr;
  // Send Email loads the contact dialog from the contact file first. When the file cannot
  // be read, true empties the dialog (as loading does), false keeps what the boxes hold.
  bool mail_reloads_unreadable_contact = true;
  QIcon icon;  // the window's icon, and so its dialogs'
};

class FormWindow : public QMainWindow, protected Host {
  Q_OBJECT

 public:
  ~FormWindow() override;

  // Replaces the modal message box (tests record the messages instead).
  using MessageHandler = std::function<void(const std::string& text, const std::string& caption)>;
  void setMessageHandler(MessageHandler handler) { message_handler_ = std::move(handler); }

  // What stands in for the common dialog, the printer and the mail system; tests replace
  // them. An empty file name is a cancelled dialog.
  using Services = WindowServices;
  Services& services() { return services_; }

  FrmContactInfo& frmContactInfo();
  FrmKFactors& frmKFactors();
  FrmAltitude& frmAltitude();

  const ResultPanel& resultPanel() const { return *results_; }

  // Opens a job named on the command line. Unlike the Open menu, a file that cannot be
  // opened is reported with the reason.
  bool OpenJobFile(const std::string& path);

 protected:
  FormWindow(FormProgram program, QWidget* parent);

  // For the derived constructor, once the form and the window's widgets exist.
  void AttachForm(Form& form);

  // What each program does its own way.
  virtual bool SaveJob(const std::string& path, std::string* error) = 0;
  virtual bool OpenJob(const std::string& path, std::string* error) = 0;
  virtual std::optional<Report> BuildReport(const ContactInfo& contact,
                                            const std::string& date) = 0;
  virtual MailMessage BuildMail(const std::string& contact_name) = 0;
  // The sheet of the last calculation. A program that has one gets File > "Print
  // Calculation &Sheet" after its Print Form item (the action mnuFilePrintSheet).
  virtual const CalcSheet* Sheet() const { return nullptr; }
  // Runs the program's calculation, as its Calculate button does.
  virtual void Calculate() = 0;
  // Deletes the loaded forms in the program's own order (the main window closes among
  // them); Unload below deletes one.
  virtual void UnloadForms() = 0;
  // A form control lost the focus to another control of the program.
  virtual void ControlLostFocus(const std::string& name) { (void)name; }
  // The colours of the form while Print Form prints it (white) and after (as before).
  virtual void SetPrintColors(bool printing);

  // The menu commands both programs have.
  void FileOpen();
  void FileSaveAs();
  void FilePrintForm();
  void FilePrintReport();
  // The report followed by the calculation sheet from a new page.
  void FilePrintSheet();
  void FileSendEmail();
  // Unloads every form (UnloadForms) and ends the program; once only.
  void EndProgram();

  void ShowDialog(QDialog& dialog);
  void Message(const std::string& text, const std::string& caption, QMessageBox::Icon icon);
  const FormProgram& program() const { return program_; }

  template <typename Dialog>
  static void Unload(Dialog*& dialog) {
    delete dialog;
    dialog = nullptr;
  }

  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

  FrmContactInfo* frm_contact_info_ = nullptr;
  FrmKFactors* frm_k_factors_ = nullptr;
  FrmAltitude* frm_altitude_ = nullptr;

 private:
  // The form's own message boxes.
  void MsgBox(const std::string& text, const std::string& caption) override;
  void connectControls();
  void addSheetMenu();
  void printReport(bool with_sheet);
  // Recalculates when the inputs changed since the results were written; true when the
  // results on the form are now those of its inputs.
  bool CalculateIfChanged();

  FormProgram program_;
  Form* form_ = nullptr;
  WatchedMailSender composer_;
  Services services_;
  MessageHandler message_handler_;
  std::unique_ptr<ResultPanel> results_;
  bool ending_ = false;
  QPalette palette_before_print_;
  bool filled_before_print_ = false;
};

}  // namespace formkit
