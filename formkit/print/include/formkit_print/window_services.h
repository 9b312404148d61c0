// What a program's window asks of the desktop: file and colour dialogs, the printer and the
// mail composer. Each is a replaceable function, so tests stand in for the desktop.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "formkit/mail.h"
#include "formkit/report.h"

class QWidget;

namespace formkit {

struct WindowServices {
  // The chosen file's path; empty when the user cancelled.
  std::function<std::string(const QString& caption, const QString& filter)> open_file_name;
  std::function<std::string(const QString& caption, const QString& filter)> save_file_name;
  // The chosen colour as 0x00BBGGRR; none when the user cancelled.
  std::function<std::optional<unsigned>(unsigned current)> choose_color;
  // Print through the print dialog (the default printer, or a PDF file where there is
  // none, on the paper of the user's locale); a cancelled dialog is not a failure.
  std::function<bool(const Report&, std::string* error)> print_report;
  std::function<bool(QWidget&, std::string* error)> print_form;
  MailSender* mail = nullptr;
};

// The desktop's own: Qt's file and colour dialogs over `parent`, the default printer or a
// PDF file (offered as `pdf_name`), and `mail` (kept by the caller) for the mail composer.
WindowServices DesktopServices(QWidget* parent, const QString& pdf_name, MailSender* mail);

}  // namespace formkit
