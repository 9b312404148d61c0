// Where each run of a report lands on paper: lines stacked by the height of their largest
// font, runs at their character column (the average character width of their own font), a
// run printed straight after another at the real end of that one's text, and a new page
// whenever the next line does not fit.
#pragma once

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <vector>

#include "formkit/report.h"

class QPaintDevice;

namespace formkit {

struct PlacedRun {
  const ReportRun* run = nullptr;  // points into the report laid out
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
