#include "formkit_print/report_printer.h"

#include <QFont>
#include <QGuiApplication>
#include <clocale>
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
namespace {

// The report's font names are those of the machine it was designed on; map them to the
// families every Linux desktop has.
QFont ReportFont(const std::string& name, int size, bool bold, QPaintDevice& device) {
  QFont font;
  if (name == "Courier New") {
    font = QFont(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
  } else {
    font = QFont(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
  }
  font.setPointSizeF(size);
  font.setBold(bold);
  return QFont(font, &device);
}

}  // namespace

bool DrawReport(const Report& report, QPagedPaintDevice& device, std::string* error) {
  QPainter painter;
  if (!painter.begin(&device)) {
    if (error) *error = "cannot start printing";
    return false;
  }
  double y = 0;
  for (const ReportLine& line : report.lines) {
    // The line is as high as its largest font; an empty line takes the current font's height.
    double ascent = 0, height = 0;
    if (line.runs.empty()) {
      QFontMetricsF m(ReportFont(line.font, line.size, false, device), &device);
      ascent = m.ascent();
      height = m.height();
    }
    for (const ReportRun& run : line.runs) {
      QFontMetricsF m(ReportFont(run.font, run.size, run.bold, device), &device);
      ascent = std::max(ascent, m.ascent());
      height = std::max(height, m.height());
    }
    for (const ReportRun& run : line.runs) {
      const QFont font = ReportFont(run.font, run.size, run.bold, device);
      // Print positions are columns of the current font's average character width.
      const double column_width = QFontMetricsF(font, &device).averageCharWidth();
      painter.setFont(font);
      painter.drawText(QPointF((run.column - 1) * column_width, y + ascent),
                       QString::fromStdString(run.text));
    }
    y += height;
  }
  if (!painter.end()) {
    if (error) *error = "the printer did not take the page";
    return false;
  }
  return true;
}

bool WriteReportPdf(const Report& report, const std::string& path, std::string* error) {
  QPdfWriter writer(QString::fromStdString(path));
  writer.setPageSize(QPageSize(QPageSize::Letter));
  writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
  writer.setResolution(300);
  writer.setCreator(QStringLiteral("Corvane Sizing"));
  return DrawReport(report, writer, error);
}

bool HaveDefaultPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

namespace {

bool SetUpPrinter(QPrinter& printer, const QString& pdf_path, std::string* error) {
  if (pdf_path.isEmpty()) {
    if (!HaveDefaultPrinter()) {
      if (error) *error = "there is no printer";
      return false;
    }
    printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
  } else {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf_path);
  }
  return true;
}

}  // namespace

bool PrintReport(const Report& report, const QString& pdf_path, std::string* error) {
  QPrinter printer(QPrinter::HighResolution);
  if (!SetUpPrinter(printer, pdf_path, error)) return false;
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

std::function<bool(const Report&, const std::string& path, std::string* error)>
CommandLinePdf::Writer() {
  return [this](const Report& report, const std::string& path, std::string* error) {
    if (!QGuiApplication::instance()) {
      if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
      app_ = std::make_unique<QGuiApplication>(argc_, argv_);
      // The programs' own numbers always use "."; Qt took the user's locale for everything.
      std::setlocale(LC_NUMERIC, "C");
    }
    return WriteReportPdf(report, path, error);
  };
}

}  // namespace formkit
