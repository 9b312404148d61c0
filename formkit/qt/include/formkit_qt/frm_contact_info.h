// The contact information dialog (frmContactInfo): the eleven "Prepared by" texts of the
// printed report, loaded from and saved to the contact file. Modeless; "&Cancel" (or
// "Close") hides it, so what the user typed stays until the program ends even if unsaved.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "formkit/contact.h"

class QLineEdit;
class QPushButton;

namespace formkit {

class FrmContactInfo : public QDialog {
  Q_OBJECT

 public:
  // Fills the boxes from `contact_file` (Load_Contact_Info).
  explicit FrmContactInfo(const std::string& contact_file = kContactFile,
                          QWidget* parent = nullptr);

  // The eleven texts as the boxes hold them now, saved or not.
  ContactInfo contact() const;

  // Sets the boxes to the last record of the contact file; a missing or unreadable file
  // empties them, without a message.
  void Load_Contact_Info();

  // Replaces the message box shown when a save fails (tests record the text instead).
  using MessageHandler = std::function<void(const QString& text, const QString& caption)>;
  void setMessageHandler(MessageHandler handler) { message_handler_ = std::move(handler); }

 private:
  void createControls();
  void cmdContactSave_Click();
  void showMessage(const QString& text);

  std::string contact_file_;
  std::array<QLineEdit*, 11> boxes_{};  // in kContactControls order
  QPushButton* cmd_save_ = nullptr;
  QPushButton* cmd_cancel_ = nullptr;
  MessageHandler message_handler_;
};

}  // namespace formkit
