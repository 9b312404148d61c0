#include "formkit_print/window_services.h"

#include <QColor>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
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
  // The print dialog, on the default printer or else into a PDF file, with the paper of
  // the user's locale; the user may choose another printer, file or paper there.
  services.print_report = [parent, pdf_name](const Report& report, std::string* error) {
    QPrinter printer(QPrinter::HighResolution);
    if (HaveDefaultPrinter()) {
      printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    } else {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QDir::current().absoluteFilePath(pdf_name));
    }
    printer.setPageSize(QPageSize(PageSizeOf(LocalePaper())));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Report"));
    if (dialog.exec() != QDialog::Accepted) return true;  // the user cancelled
    SetReportMargins(printer);
    return DrawReport(report, printer, error);
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
