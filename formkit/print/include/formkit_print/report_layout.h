// Where each run of a report lands on paper: lines stacked at the pitch of their largest
// font (kLinePitch times its size; an empty line half that), runs at their character column
// (the average character width of their own font), a run printed straight after another at
// the real end of that one's text, a run that would pass the right edge broken at blanks
// onto further lines indented to where it starts, and a new page whenever the next line
// does not fit.
#pragma once

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <vector>

#include "formkit/report.h"

class QPaintDevice;

namespace formkit {

// The distance from one line's baseline to the next, in multiples of the font size: close
// enough for a full report on one page, with room between the descenders and the capitals.
inline constexpr double kLinePitch = 1.12;

struct PlacedRun {
  const ReportRun* run = nullptr;  // points into the report laid out; none for a page heading
  QString text;                    // the run's text, or the part of it on this line
  QFont font;                      // the run's font, for the device
  QPointF baseline;                // the start of its baseline, from the page's top left
  double width = 0;                // the advance of its text
};

struct ReportPage {
  std::vector<PlacedRun> runs;
};

// Lays `report` out on pages whose printable area is `page` (in `device` units). Always at
// least one page; a line taller than a page still gets one of its own.
std::vector<ReportPage> LayOutReport(const Report& report, QPaintDevice& device, QSizeF page);

// The report font on `device`: the form programs' names mapped to families every Linux
// desktop has ("Courier New" to DejaVu Sans Mono, everything else to DejaVu Sans).
QFont ReportFont(const std::string& name, int size, bool bold, QPaintDevice& device);

}  // namespace formkit
