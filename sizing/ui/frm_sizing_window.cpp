#include "frm_sizing_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "ui_frm_sizing.h"

namespace sizing {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Message texts use CR LF and lone LF for line breaks; Qt wants LF.
QString DisplayText(const std::string& text) {
  QString shown = Q(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

}  // namespace

FrmSizingWindow::FrmSizingWindow(QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::FrmSizingWindow>()), form_(*this) {
  ui_->setupUi(this);
  form_.SetObserver([this](const std::string& name) { mirror(name); });
  applyBackColor(QColor::fromRgb(kDesignBackColor));
  connectControls();
  connectMenus();
  form_.Form_Load();
  mirrorAll();
}

FrmSizingWindow::~FrmSizingWindow() { form_.SetObserver(nullptr); }

void FrmSizingWindow::MsgBox(const std::string& text, const std::string& caption) {
  if (message_handler_) {
    message_handler_(text, caption);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, Q(caption), DisplayText(text), QMessageBox::Ok, this);
  box.exec();
}

void FrmSizingWindow::applyBackColor(const QColor& color) {
  for (QWidget* widget : {static_cast<QWidget*>(this), static_cast<QWidget*>(ui_->chkCombinedVent),
                          static_cast<QWidget*>(ui_->optDraftNo),
                          static_cast<QWidget*>(ui_->optDraftYes)}) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
  }
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
  connect(ui_->cmdTest, &QPushButton::clicked, this, [this] { form_.cmdTest_Click(); });
}

void FrmSizingWindow::connectMenus() {
  connect(ui_->mnuCalculate, &QAction::triggered, this, [this] { form_.mnuCalculate_Click(); });
  connect(ui_->mnuOptionsClearAll, &QAction::triggered, this,
          [this] { form_.mnuOptionsClearAll_Click(); });
  connect(ui_->mnuFileExit, &QAction::triggered, this, [this] { EndProgram(); });
}

bool FrmSizingWindow::eventFilter(QObject* watched, QEvent* event) {
  const std::string name = watched->objectName().toStdString();
  if (event->type() == QEvent::FocusIn) {
    if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && SelectsAllOnFocus(name)) {
      // Deferred: a mouse press that gave the focus would otherwise place the cursor.
      QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
    }
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

void FrmSizingWindow::mirror(const std::string& name) {
  if (name.empty()) {
    setWindowTitle(Q(form_.Caption()));
    return;
  }
  QWidget* widget = findChild<QWidget*>(Q(name));
  if (!widget) return;
  const formkit::Control& control = form_.At(name);
  mirroring_ = true;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    if (edit->text() != Q(control.text)) edit->setText(Q(control.text));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(Q(control.text));
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    if (combo->count() != static_cast<int>(control.items.size())) {
      combo->clear();
      for (const auto& item : control.items) combo->addItem(Q(item));
    }
    combo->setCurrentIndex(control.value);
  } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
    option->setChecked(control.value != 0);
  } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
    check->setChecked(control.value == 1);
  }
  widget->setVisible(control.visible);
  widget->setEnabled(control.enabled);
  mirroring_ = false;
}

void FrmSizingWindow::mirrorAll() {
  mirror("");
  for (const auto& [name, control] : form_.Controls()) mirror(name);
}

void FrmSizingWindow::EndProgram() {
  if (ending_) return;
  ending_ = true;
  // The dialogs come first in the unload order; the main form follows them.
  close();
  QApplication::quit();
}

void FrmSizingWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (!ending_) EndProgram();
}

}  // namespace sizing
