#include "formkit_print/window_services.h"

#include <QColor>
#include <QColorDialog>
#include <QFileDialog>
#include <QWidget>

#include "formkit_print/report_printer.h"

namespace formkit {

WindowServices DesktopServices(QWidget* parent, const QString& pdf_name, MailSender* mail) {
  WindowServices services;
  services.open_file_name = [parent](const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter).toStdString();
  };
  services.save_file_name = [parent](const QString& caption, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter).toStdString();
  };
  services.choose_color = [parent](unsigned current) -> std::optional<unsigned> {
    const QColor chosen = QColorDialog::getColor(
        QColor(current & 0xFF, (current >> 8) & 0xFF, (current >> 16) & 0xFF), parent);
    if (!chosen.isValid()) return std::nullopt;
    return static_cast<unsigned>(chosen.red()) | (static_cast<unsigned>(chosen.green()) << 8) |
           (static_cast<unsigned>(chosen.blue()) << 16);
  };
  // The default printer; where there is none, a PDF file the user chooses.
  auto pdf_target = [parent, pdf_name](const QString& caption) -> std::optional<QString> {
    if (HaveDefaultPrinter()) return QString();
    const QString path = QFileDialog::getSaveFileName(parent, caption, pdf_name,
                                                      QStringLiteral("PDF Files (*.pdf)"));
    if (path.isEmpty()) return std::nullopt;
    return path;
  };
  services.print_report = [pdf_target](const Report& report, std::string* error) {
    const auto target = pdf_target(QStringLiteral("Print Report to PDF"));
    if (!target) return true;  // the user cancelled
    return PrintReport(report, *target, error);
  };
  services.print_form = [pdf_target](QWidget& widget, std::string* error) {
    const auto target = pdf_target(QStringLiteral("Print Form to PDF"));
    if (!target) return true;
    return PrintWidget(widget, *target, error);
  };
  services.mail = mail;
  return services;
}

}  // namespace formkit
