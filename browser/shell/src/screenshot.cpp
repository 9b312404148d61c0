#include "browser/shell/screenshot.h"

#include <QCoreApplication>
#include <QImageWriter>
#include <iostream>

#include "browser/shell/main_window.h"

namespace browser::shell {
namespace {

// Requests posted by the page's scripts run as they would in the window, but a document
// that keeps changing pages must not keep the preview from ending.
constexpr int kMaxPreviewRequests = 16;

}  // namespace

int WriteScreenshot(MainWindow& window, const std::string& out) {
  if (!window.StartupLoad()) return 1;
  QCoreApplication::sendPostedEvents(&window);
  for (int handled = 0; window.RunPendingRequest();) {
    QCoreApplication::sendPostedEvents(&window);
    if (++handled == kMaxPreviewRequests) {
      std::cerr << "panorel: the document keeps changing pages: the screenshot shows the page "
                   "after "
                << kMaxPreviewRequests << " page requests\n";
      break;
    }
  }
  const QImage page = window.RenderPage();
  if (page.isNull()) {
    std::cerr << "panorel: the document has no page to paint\n";
    return 1;
  }
  QImageWriter writer(QString::fromStdString(out), "png");
  if (!writer.write(page)) {
    std::cerr << "panorel: " << out << ": " << writer.errorString().toStdString() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace browser::shell
