#include "formkit_print/report_layout.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QString>
#include <algorithm>
#include <memory>
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

// The heading of a page: the running head broken to the page's width beside "page N of M"
// at the right, then half a line of space. The page number is filled in when the pages of
// the heading are counted.
struct Heading {
  ReportRun run;  // the font of the heading
  std::vector<PlacedLine> lines;
  double height = 0;
  size_t number = 0;  // index of the "page N of M" run in the page's runs
};

std::vector<ReportPage> LayOutReport(const Report& report, QPaintDevice& device, QSizeF page) {
  std::vector<ReportPage> pages(1);
  // For each page, the heading it carries (-1 for none); headings by their first line.
  std::vector<int> heading_of_page(1, -1);
  std::vector<std::unique_ptr<Heading>> headings;
  double y = 0;
  int heading = -1;

  const auto start_page = [&](bool fresh) {
    if (fresh) {
      pages.emplace_back();
      heading_of_page.push_back(heading);
    }
    heading_of_page.back() = heading;
    y = 0;
    if (heading < 0) return;
    Heading& h = *headings[heading];
    for (const PlacedLine& line : h.lines) {
      for (PlacedRun p : line.runs) {
        p.baseline.setY(y + line.ascent);
        pages.back().runs.push_back(std::move(p));
      }
      y += line.pitch;
    }
    y += h.height;
  };

  // Lines joined by keep_with_next are placed as one block.
  for (size_t first = 0; first < report.lines.size();) {
    size_t last = first;
    while (last + 1 < report.lines.size() && report.lines[last].keep_with_next) ++last;
    const ReportLine& opening = report.lines[first];
    if (!opening.running_head.empty()) {
      auto h = std::make_unique<Heading>();
      h->run.text = opening.running_head;
      h->run.font = "Courier New";
      h->run.size = 10;
      const QFont font = ReportFont(h->run.font, h->run.size, false, device);
      const QFontMetricsF m(font, &device);
      // Room for the widest page number the heading may get.
      const double number_width = m.horizontalAdvance(QStringLiteral("  page 999 of 999"));
      ReportLine line;
      line.runs.push_back(h->run);
      h->lines = PlaceLine(line, device, page.width() - number_width);
      for (PlacedLine& placed : h->lines)
        for (PlacedRun& p : placed.runs) p.run = &h->run;
      PlacedRun number;
      number.run = &h->run;
      number.font = font;
      number.baseline = QPointF(page.width(), 0);
      h->lines.front().runs.push_back(number);
      h->number = h->lines.front().runs.size() - 1;
      h->height = Pitch(h->run.size, device) / 2;
      headings.push_back(std::move(h));
      heading = static_cast<int>(headings.size()) - 1;
      start_page(y > 0);
    } else if (opening.new_page && y > 0) {
      start_page(true);
    }
    std::vector<PlacedLine> block;
    double block_height = 0;
    for (size_t i = first; i <= last; ++i)
      for (PlacedLine& placed : PlaceLine(report.lines[i], device, page.width())) {
        block_height += placed.pitch;
        block.push_back(std::move(placed));
      }
    const double top = heading_of_page.back() >= 0 ? headings[heading_of_page.back()]->height : 0;
    // A block that does not fit goes to the next page whole, unless it is a page on its own.
    if (y > top && y + block_height > page.height() && block.size() > 1) start_page(true);
    for (PlacedLine& placed : block) {
      if (y > 0 && y + placed.pitch > page.height()) start_page(true);
      for (PlacedRun& p : placed.runs) {
        p.baseline.setY(y + placed.ascent);
        pages.back().runs.push_back(std::move(p));
      }
      y += placed.pitch;
    }
    first = last + 1;
  }

  // "page N of M", counted over the pages of each heading, right-aligned.
  std::vector<int> count(headings.size(), 0);
  for (int h : heading_of_page)
    if (h >= 0) ++count[h];
  std::vector<int> seen(headings.size(), 0);
  for (size_t i = 0; i < pages.size(); ++i) {
    const int h = heading_of_page[i];
    if (h < 0) continue;
    // The page's runs start with its heading's; find the number run among them.
    PlacedRun& number = pages[i].runs[headings[h]->number];
    number.text = QStringLiteral("page %1 of %2").arg(++seen[h]).arg(count[h]);
    number.width = QFontMetricsF(number.font, &device).horizontalAdvance(number.text);
    number.baseline.setX(page.width() - number.width);
  }
  // The headings' runs point into the headings, which end here: give them the report's.
  for (ReportPage& p : pages)
    for (PlacedRun& run : p.runs)
      for (const auto& h : headings)
        if (run.run == &h->run) run.run = nullptr;
  return pages;
}

}  // namespace formkit
