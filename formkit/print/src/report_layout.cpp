#include "formkit_print/report_layout.h"

#include <QFontMetricsF>
#include <QString>
#include <algorithm>

namespace formkit {

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

std::vector<ReportPage> LayOutReport(const Report& report, QPaintDevice& device, QSizeF page) {
  std::vector<ReportPage> pages(1);
  double y = 0;
  for (const ReportLine& line : report.lines) {
    // The line is as high as its largest font; an empty line takes the current font's height.
    double ascent = 0, height = 0;
    if (line.runs.empty()) {
      const QFontMetricsF m(ReportFont(line.font, line.size, false, device), &device);
      ascent = m.ascent();
      height = m.height();
    }
    std::vector<PlacedRun> placed;
    double end = 0;  // where the text printed last on this line ends
    for (const ReportRun& run : line.runs) {
      PlacedRun p;
      p.run = &run;
      p.font = ReportFont(run.font, run.size, run.bold, device);
      const QFontMetricsF m(p.font, &device);
      ascent = std::max(ascent, m.ascent());
      height = std::max(height, m.height());
      double x = (run.column - 1) * m.averageCharWidth();
      // Text printed right after other text starts where that text ends; text placed by
      // column never starts inside the text before it.
      if (run.follows || (!placed.empty() && x < end)) x = end;
      p.width = m.horizontalAdvance(QString::fromStdString(run.text));
      p.baseline = QPointF(x, 0);
      end = x + p.width;
      placed.push_back(std::move(p));
    }
    if (y > 0 && (line.new_page || y + height > page.height())) {
      pages.emplace_back();
      y = 0;
    }
    for (PlacedRun& p : placed) {
      p.baseline.setY(y + ascent);
      pages.back().runs.push_back(std::move(p));
    }
    y += height;
  }
  return pages;
}

}  // namespace formkit
