#include "formkit_print/report_layout.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QString>
#include <algorithm>
#include <string_view>

#include "formkit/text_wrap.h"

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

namespace {

// The line pitch of a font of `points` on `device`, in device units.
double Pitch(double points, const QPaintDevice& device) {
  return points * kLinePitch * device.logicalDpiY() / 72.0;
}

// A line as placed across the page, before it is given its height.
struct PlacedLine {
  std::vector<PlacedRun> runs;
  double pitch = 0;
  double ascent = 0;  // of the largest font, scaled to the pitch
};

// Places the runs of `line` from the left margin; runs that pass `right` go on in further
// lines.
std::vector<PlacedLine> PlaceLine(const ReportLine& line, QPaintDevice& device, double right) {
  std::vector<PlacedLine> out(1);
  if (line.runs.empty()) {
    // An empty line separates blocks: half a line of the current font is enough.
    out[0].pitch = Pitch(line.size, device) / 2;
    return out;
  }
  double end = 0;  // where the text printed last ends
  bool any = false;
  for (const ReportRun& run : line.runs) {
    const QFont font = ReportFont(run.font, run.size, run.bold, device);
    const QFontMetricsF m(font, &device);
    double x = (run.column - 1) * m.averageCharWidth();
    // Text printed right after other text starts where that text ends; text placed by
    // column never starts inside the text before it.
    if (run.follows || (any && x < end)) x = end;
    const TextMeasure measure = [&m](std::string_view piece) {
      return m.horizontalAdvance(QString::fromUtf8(piece.data(), qsizetype(piece.size())));
    };
    // Continuation lines start where the run started, unless that leaves no room at all.
    const double indent = right - x >= 12 * m.averageCharWidth() ? x : 0;
    const std::vector<std::string> pieces = BreakText(run.text, measure, right - x, right - indent);
    for (size_t i = 0; i < pieces.size(); ++i) {
      if (i > 0) {
        out.emplace_back();
        x = indent;
      }
      PlacedRun p;
      p.run = &run;
      p.text = QString::fromStdString(pieces[i]);
      p.font = font;
      p.width = m.horizontalAdvance(p.text);
      p.baseline = QPointF(x, 0);
      end = x + p.width;
      PlacedLine& placed = out.back();
      const double pitch = Pitch(run.size, device);
      if (pitch > placed.pitch) {
        placed.pitch = pitch;
        placed.ascent = pitch * m.ascent() / m.height();
      }
      placed.runs.push_back(std::move(p));
    }
    any = true;
  }
  return out;
}

}  // namespace

std::vector<ReportPage> LayOutReport(const Report& report, QPaintDevice& device, QSizeF page) {
  std::vector<ReportPage> pages(1);
  double y = 0;
  for (const ReportLine& line : report.lines) {
    bool first = true;
    for (PlacedLine& placed : PlaceLine(line, device, page.width())) {
      if (y > 0 && ((first && line.new_page) || y + placed.pitch > page.height())) {
        pages.emplace_back();
        y = 0;
      }
      first = false;
      for (PlacedRun& p : placed.runs) {
        p.baseline.setY(y + placed.ascent);
        pages.back().runs.push_back(std::move(p));
      }
      y += placed.pitch;
    }
  }
  return pages;
}

}  // namespace formkit
