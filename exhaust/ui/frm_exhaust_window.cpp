#include "frm_exhaust_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "ui_frm_exhaust.h"

namespace exhaust {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Message texts break lines with CR LF, LF CR or a lone LF or CR; Qt wants one LF each.
QString DisplayText(const std::string& text) {
  QString shown = Q(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

}  // namespace

FrmExhaustWindow::FrmExhaustWindow(QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::FrmExhaustWindow>()), form_(*this) {
  ui_->setupUi(this);
  nameSeparators();
  form_.SetObserver([this](const std::string& name) { mirror(name); });
  connectControls();
  connectMenus();
  mirrorAll();
}

FrmExhaustWindow::~FrmExhaustWindow() { form_.SetObserver(nullptr); }

void FrmExhaustWindow::MsgBox(const std::string& text, const std::string& caption) {
  if (message_handler_) {
    message_handler_(text, caption);
    return;
  }
  // Every message of this program is a warning about the job's values.
  QMessageBox box(QMessageBox::Warning, Q(caption), DisplayText(text), QMessageBox::Ok, this);
  box.exec();
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
  connect(ui_->mnuCalculate, &QAction::triggered, this, [this] { form_.mnuCalculate_Click(); });
  connect(ui_->mnuOptionsClearAll, &QAction::triggered, this,
          [this] { form_.mnuOptionsClearAll_Click(); });
  connect(ui_->mnuFileExit, &QAction::triggered, this, [this] { ExitProgram(); });
  connect(ui_->mnuOptionsKFactors, &QAction::triggered, this, [this] { showDialog(k_factors_); });
  connect(ui_->mnuOptionAltitiude, &QAction::triggered, this, [this] { showDialog(altitude_); });
}

template <typename Dialog>
void FrmExhaustWindow::showDialog(std::unique_ptr<Dialog>& dialog) {
  if (!dialog) dialog = std::make_unique<Dialog>(this);
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

bool FrmExhaustWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
      // Deferred: a mouse press that gave the focus would otherwise place the cursor.
      QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void FrmExhaustWindow::mirror(const std::string& name) {
  if (name.empty()) {
    setWindowTitle(Q(form_.Caption()));
    return;
  }
  QWidget* widget = findChild<QWidget*>(Q(name));
  if (!widget) return;
  const formkit::Control& control = form_.At(name);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    if (edit->text() != Q(control.text)) edit->setText(Q(control.text));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(Q(control.text));
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    button->setText(Q(control.text));
  }
  widget->setVisible(control.visible);
  widget->setEnabled(control.enabled);
}

void FrmExhaustWindow::mirrorAll() {
  mirror("");
  for (const auto& [name, control] : form_.Controls()) mirror(name);
}

void FrmExhaustWindow::ExitProgram() {
  if (exiting_) return;
  exiting_ = true;
  // The main form goes first, then the dialogs.
  close();
  if (altitude_) altitude_->close();
  if (k_factors_) k_factors_->close();
  QApplication::quit();
}

void FrmExhaustWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (!exiting_) ExitProgram();
}

}  // namespace exhaust
