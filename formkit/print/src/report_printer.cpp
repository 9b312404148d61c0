#include "formkit_print/report_printer.h"

#include "formkit_print/report_layout.h"

#include <QFont>
#include <QGuiApplication>
#include <clocale>
#include <cstdint>
#include <langinfo.h>
#include <locale.h>
#include <cstdlib>
#include <memory>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>

namespace formkit {

void SetReportMargins(QPagedPaintDevice& device) {
  device.setPageMargins(QMarginsF(kReportMarginMm, kReportMarginMm, kReportMarginMm,
                                  kReportMarginMm),
                        QPageLayout::Millimeter);
}

QPageSize::PageSizeId PageSizeOf(Paper paper) {
  return paper == Paper::kA4 ? QPageSize::A4 : QPageSize::Letter;
}

Paper PaperOfSize(int width_mm, int height_mm) {
  // Letter is 215.9 by 279.4 mm; locales give whole millimetres.
  if (width_mm >= 215 && width_mm <= 216 && height_mm >= 279 && height_mm <= 280)
    return Paper::kLetter;
  return Paper::kA4;
}

Paper LocalePaper() {
  // The user's LC_PAPER, read without changing the program's own locale.
  const locale_t user = newlocale(LC_PAPER_MASK, "", static_cast<locale_t>(nullptr));
  if (!user) return Paper::kA4;
  const auto width = static_cast<int>(reinterpret_cast<intptr_t>(nl_langinfo_l(_NL_PAPER_WIDTH, user)));
  const auto height = static_cast<int>(reinterpret_cast<intptr_t>(nl_langinfo_l(_NL_PAPER_HEIGHT, user)));
  freelocale(user);
  return PaperOfSize(width, height);
}

bool DrawReport(const Report& report, QPagedPaintDevice& device, std::string* error) {
  QPainter painter;
  if (!painter.begin(&device)) {
    if (error) *error = "cannot start printing";
    return false;
  }
  const std::vector<ReportPage> pages =
      LayOutReport(report, device, QSizeF(device.width(), device.height()));
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i > 0 && !device.newPage()) {
      painter.end();
      if (error) *error = "the printer did not take a new page";
      return false;
    }
    for (const PlacedRun& placed : pages[i].runs) {
      painter.setFont(placed.font);
      painter.drawText(placed.baseline, placed.text);
    }
  }
  if (!painter.end()) {
    if (error) *error = "the printer did not take the page";
    return false;
  }
  return true;
}

bool WriteReportPdf(const Report& report, const std::string& path, std::string* error,
                    QPageSize::PageSizeId paper) {
  QPdfWriter writer(QString::fromStdString(path));
  writer.setPageSize(QPageSize(paper));
  SetReportMargins(writer);
  writer.setResolution(300);
  writer.setCreator(QStringLiteral("Corvane Sizing"));
  return DrawReport(report, writer, error);
}

bool HaveDefaultPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

namespace {

bool SetUpPrinter(QPrinter& printer, const QString& pdf_path, std::string* error,
                  Paper paper = Paper::kLetter) {
  if (pdf_path.isEmpty()) {
    if (!HaveDefaultPrinter()) {
      if (error) *error = "there is no printer";
      return false;
    }
    printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
  } else {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf_path);
    printer.setPageSize(QPageSize(PageSizeOf(paper)));
  }
  return true;
}

}  // namespace

bool PrintReport(const Report& report, const QString& pdf_path, std::string* error,
                 Paper paper) {
  QPrinter printer(QPrinter::HighResolution);
  if (!SetUpPrinter(printer, pdf_path, error, paper)) return false;
  // The printer keeps its own paper; the margins are the report's on every path.
  SetReportMargins(printer);
  return DrawReport(report, printer, error);
}

bool PrintWidget(QWidget& widget, const QString& pdf_path, std::string* error) {
  QPrinter printer(QPrinter::HighResolution);
  if (!SetUpPrinter(printer, pdf_path, error)) return false;
  const QPixmap image = widget.grab();
  QPainter painter;
  if (!painter.begin(&printer)) {
    if (error) *error = "cannot start printing";
    return false;
  }
  const QRect page = painter.viewport();
  QSize size = image.size();
  size.scale(page.size(), Qt::KeepAspectRatio);
  painter.drawPixmap(QRect(QPoint(0, 0), size), image);
  if (!painter.end()) {
    if (error) *error = "the printer did not take the page";
    return false;
  }
  return true;
}

}  // namespace formkit

namespace formkit {

CommandLinePdf::CommandLinePdf(int& argc, char** argv) : argc_(argc), argv_(argv) {}
CommandLinePdf::~CommandLinePdf() = default;

std::function<bool(const Report&, const std::string& path, Paper paper, std::string* error)>
CommandLinePdf::Writer() {
  return [this](const Report& report, const std::string& path, Paper paper, std::string* error) {
    if (!QGuiApplication::instance()) {
      if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
      app_ = std::make_unique<QGuiApplication>(argc_, argv_);
      // The programs' own numbers always use "."; Qt took the user's locale for everything.
      std::setlocale(LC_NUMERIC, "C");
    }
    return WriteReportPdf(report, path, error, PageSizeOf(paper));
  };
}

}  // namespace formkit
