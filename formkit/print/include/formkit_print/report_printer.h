// Drawing a report on paper or into a PDF file with Qt's printing.
#pragma once

#include <QPageSize>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "formkit/report.h"

class QGuiApplication;
class QPagedPaintDevice;
class QWidget;

namespace formkit {

// Every path a report takes to paper has the same margins.
// Half an inch: inside what every printer can reach, and room for a full report on one page.
inline constexpr double kReportMarginMm = 12.7;
void SetReportMargins(QPagedPaintDevice& device);

QPageSize::PageSizeId PageSizeOf(Paper paper);
// The paper of the user's locale (LC_PAPER): Letter where the locale's paper is Letter,
// A4 everywhere else.
Paper LocalePaper();
// The paper of a locale's paper dimensions in millimetres.
Paper PaperOfSize(int width_mm, int height_mm);

// Draws the report on `device` as LayOutReport places it, starting a new page whenever the
// next line does not fit on the paper the device has.
bool DrawReport(const Report& report, QPagedPaintDevice& device, std::string* error = nullptr);

// Writes the report as a PDF file on `paper` with the report margins.
bool WriteReportPdf(const Report& report, const std::string& path, std::string* error = nullptr,
                    QPageSize::PageSizeId paper = QPageSize::Letter);

// True when the machine has a default printer.
bool HaveDefaultPrinter();

// Prints on the default printer; without one, or when `pdf_path` is given, into that PDF
// on `paper`.
bool PrintReport(const Report& report, const QString& pdf_path, std::string* error = nullptr,
                 Paper paper = Paper::kLetter);

// Prints an image of `widget` (scaled to fit the page) on the default printer, or into
// `pdf_path` when given or when there is no printer.
bool PrintWidget(QWidget& widget, const QString& pdf_path, std::string* error = nullptr);

}  // namespace formkit

namespace formkit {

// Writes reports into PDF files from a command line: makes the Qt application that fonts
// and drawing need on first use (on the offscreen platform unless one is chosen), so it
// never needs a display, and ends it with itself. Keep it alive while its writer is used.
class CommandLinePdf {
 public:
  CommandLinePdf(int& argc, char** argv);
  ~CommandLinePdf();
  CommandLinePdf(const CommandLinePdf&) = delete;
  CommandLinePdf& operator=(const CommandLinePdf&) = delete;

  std::function<bool(const Report&, const std::string& path, Paper paper, std::string* error)>
  Writer();

 private:
  int& argc_;
  char** argv_;
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace formkit
