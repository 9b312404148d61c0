#include "formkit_qt/frm_contact_info.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "formkit/file_store.h"
#include "formkit_qt/dialog_parts.h"
#include "formkit_qt/form_mirror.h"

namespace formkit {
namespace {

constexpr std::array<const char*, 11> kLabels = {
    "Name:", "Company:", "Address 1:", "Address 2:", "City:",    "State:",
    "Zip:",  "Phone:",   "Fax:",       "E-Mail:",    "Web Site:"};

constexpr const char* kCaption = "Contact Information";

}  // namespace

FrmContactInfo::FrmContactInfo(const std::string& contact_file, QWidget* parent)
    : QDialog(parent), contact_file_(contact_file) {
  createControls();
  Load_Contact_Info();
}

void FrmContactInfo::createControls() {
  auto* grid = new QGridLayout;
  for (size_t i = 0; i < boxes_.size(); ++i) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(kContactControls[i]));
    box->setMinimumWidth(300);
    auto* label = new QLabel(QString::fromLatin1(kLabels[i]), this);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(box);
    grid->addWidget(label, static_cast<int>(i), 0);
    grid->addWidget(box, static_cast<int>(i), 1);
    boxes_[i] = box;
  }

  cmd_save_ = new QPushButton(QStringLiteral("&Save"), this);
  cmd_save_->setObjectName(QStringLiteral("cmdContactSave"));
  cmd_cancel_ =
      MakeHidingButton(QStringLiteral("&Cancel"), QStringLiteral("cmdContactCancel"), this);
  connect(cmd_save_, &QPushButton::clicked, this, &FrmContactInfo::cmdContactSave_Click);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmd_save_);
  buttons->addWidget(cmd_cancel_);

  auto* layout = new QVBoxLayout;
  layout->addLayout(grid);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  SetUpDialog(this, QStringLiteral("frmContactInfo"), QString::fromLatin1(kCaption), layout);
}

ContactInfo FrmContactInfo::contact() const {
  ContactInfo info;
  for (size_t i = 0; i < boxes_.size(); ++i) info.fields[i] = boxes_[i]->text().toStdString();
  return info;
}

void FrmContactInfo::Load_Contact_Info() {
  const ContactInfo info = ReadContactFile(contact_file_).value_or(ContactInfo{});
  for (size_t i = 0; i < boxes_.size(); ++i)
    boxes_[i]->setText(QString::fromStdString(info.fields[i]));
}

void FrmContactInfo::cmdContactSave_Click() {
  std::string error;
  if (!WriteContactFile(contact(), contact_file_, &error)) {
    // The dialog stays open with the typed texts so the user can try again or cancel.
    showMessage(MessageBoxText(NotSavedText("contact information", error)));
    return;
  }
  cmd_cancel_->setText(QStringLiteral("Close"));
  cmd_cancel_->setFocus();
}

void FrmContactInfo::showMessage(const QString& text) {
  const QString caption = QString::fromLatin1(kCaption);
  if (message_handler_) {
    message_handler_(text, caption);
    return;
  }
  QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, this);
  box.exec();
}

}  // namespace formkit
