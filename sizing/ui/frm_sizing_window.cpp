#include "frm_sizing_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "formkit_qt/back_color.h"
#include "formkit_qt/form_mirror.h"
#include "formkit_qt/frm_altitude.h"
#include "formkit_qt/frm_contact_info.h"
#include "formkit_qt/frm_k_factors.h"
#include "formkit_qt/option_group.h"
#include "frm_co2.h"
#include "frm_combined_vent.h"
#include "frm_outlet_draft.h"
#include "frm_temp_rise.h"
#include "sizing/job_files.h"
#include "sizing/report.h"
#include "ui_frm_sizing.h"

namespace sizing {
namespace {

QColor ToQColor(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

formkit::FormProgram Program() {
  formkit::FormProgram program;
  program.title = kProgramTitle;
  program.pdf_name = QStringLiteral("sizing.pdf");
  program.open_filter = kOpenFilter;
  program.save_filter = kSaveFilter;
  program.k_factor_rows = formkit::FrmKFactors::VentRows();
  program.k_factor_columns = 1;
  program.quantities = kQuantities;
  program.selects_all_on_focus = SelectsAllOnFocus;
  program.calculate_button = "cmdCalculate";
  program.mail_reloads_unreadable_contact = true;
  program.icon = QIcon(QStringLiteral(":/icons/corvane-sizing.svg"));
  return program;
}

}  // namespace

FrmSizingWindow::FrmSizingWindow(QWidget* parent)
    : ProgramWindow(Program(),
                    {&sizing::SaveJob, &sizing::OpenJob, &sizing::BuildReport, &sizing::BuildMail},
                    parent),
      ui_(std::make_unique<Ui::FrmSizingWindow>()),
      back_color_(kDesignBackColor) {
  ui_->setupUi(this);
  AttachForm(form_);
  setControlColors(ToQColor(back_color_), ToQColor(back_color_));
  connectControls();
  connectMenus();
  form_.Form_Load();
  // The stored colour; a missing or unreadable background.dat keeps the design colours.
  if (const auto stored = ReadBackgroundColor()) ApplyBackColor(*stored);
  formkit::MirrorForm(form_, *this);
}

FrmSizingWindow::~FrmSizingWindow() = default;

void FrmSizingWindow::setControlColors(const QColor& form, const QColor& controls) {
  for (QWidget* control : {static_cast<QWidget*>(ui_->chkCombinedVent),
                           static_cast<QWidget*>(ui_->optDraftNo),
                           static_cast<QWidget*>(ui_->optDraftYes)}) {
    formkit::ApplyBackColor(control, controls);
    // They sit on a group box, whose panel the style draws a shade darker than the form:
    // filled with the form's colour they would show as pale patches on it.
    control->setAutoFillBackground(false);
  }
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

void FrmSizingWindow::SetPrintColors(bool printing) {
  // The form prints on white; afterwards the form and its three controls all take the
  // form's former colour.
  if (printing) {
    color_before_print_ = palette().color(QPalette::Window);
    setControlColors(Qt::white, Qt::white);
  } else {
    setControlColors(color_before_print_, color_before_print_);
  }
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

FrmCombinedVent& FrmSizingWindow::frmCombinedVent() {
  if (!frm_combined_vent_) frm_combined_vent_ = new FrmCombinedVent(this);
  return *frm_combined_vent_;
}

FrmOutletDraft& FrmSizingWindow::frmOutletDraft() {
  if (!frm_outlet_draft_) frm_outlet_draft_ = new FrmOutletDraft(this);
  return *frm_outlet_draft_;
}

void FrmSizingWindow::mnuOptionBackColor_Click() {
  const auto color = services().choose_color(back_color_);
  if (!color) return;
  ApplyBackColor(*color);
  WriteBackgroundColor(*color);
}

void FrmSizingWindow::connectControls() {
  connect(ui_->cmbFuelType, &QComboBox::activated, this,
          [this](int index) { form_.SelectFuel(index); });
  // The list is as wide as its longest fuel name.
  ui_->cmbFuelType->setMaximumWidth(QWIDGETSIZE_MAX);
  ui_->cmbFuelType->setSizeAdjustPolicy(QComboBox::AdjustToContents);

  // The form decides which option is selected; Qt's own exclusivity would fight it.
  ui_->optDraftYes->setAutoExclusive(false);
  ui_->optDraftNo->setAutoExclusive(false);
  connect(ui_->optDraftYes, &QRadioButton::clicked, this, [this] { form_.SelectInducedDraft(true); });
  connect(ui_->optDraftNo, &QRadioButton::clicked, this, [this] { form_.SelectInducedDraft(false); });
  // "Yes" and "No" are one stop for Tab; the arrows choose between them.
  new formkit::OptionGroup({ui_->optDraftYes, ui_->optDraftNo}, this);
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
          [this] { ShowDialog(frmContactInfo()); });
  connect(ui_->mnuOptionsKFactor, &QAction::triggered, this, [this] { ShowDialog(frmKFactors()); });
  connect(ui_->mnuOptionsAltitude, &QAction::triggered, this, [this] { ShowDialog(frmAltitude()); });
  connect(ui_->cmdCO2, &QPushButton::clicked, this, [this] { ShowDialog(frmCO2()); });
  connect(ui_->Command1, &QPushButton::clicked, this, [this] { ShowDialog(frmTempRise()); });
  connect(ui_->cmdAltitude, &QPushButton::clicked, this, [this] { ShowDialog(frmAltitude()); });
  connect(ui_->cmdOutletDraft, &QPushButton::clicked, this,
          [this] { ShowDialog(frmOutletDraft()); });
  connect(ui_->Command2, &QPushButton::clicked, this, [this] { ShowDialog(frmCombinedVent()); });
  connect(ui_->mnuCalculate, &QAction::triggered, this, [this] { form_.mnuCalculate_Click(); });
  connect(ui_->mnuOptionsClearAll, &QAction::triggered, this,
          [this] { form_.mnuOptionsClearAll_Click(); });
  connect(ui_->mnuFileExit, &QAction::triggered, this, [this] { EndProgram(); });
}

void FrmSizingWindow::ControlLostFocus(const std::string& name) {
  static const std::pair<const char*, void (FrmSizing::*)()> kLostFocus[] = {
      {"cmbFuelType", &FrmSizing::cmbFuelType_LostFocus},
      {"txtJobDescription", &FrmSizing::txtJobDescription_LostFocus},
      {"txtSysHeight", &FrmSizing::txtSysHeight_LostFocus},
      {"txtSysLength", &FrmSizing::txtSysLength_LostFocus}};
  for (const auto& [control, handler] : kLostFocus)
    if (name == control) (form_.*handler)();
}

void FrmSizingWindow::UnloadForms() {
  // Unload order: frmCO2, frmCombinedVent, frmContactInfo, frmKFactors, frmSizing,
  // frmTempRise, frmOutletDraft, frmAltitude (the splash is gone before the main form shows).
  // Dialogs never loaded are skipped.
  Unload(frm_co2_);
  Unload(frm_combined_vent_);
  Unload(frm_contact_info_);
  Unload(frm_k_factors_);
  close();
  Unload(frm_temp_rise_);
  Unload(frm_outlet_draft_);
  Unload(frm_altitude_);
}

}  // namespace sizing
