// cdztool lint --watch: the findings afresh after every save.
#include <ostream>

#include "browser/doc/document_watch.h"
#include "json_string.h"
#include "lint.h"
#include "platform/disk_file_system.h"

namespace cdztool {

int LintWatchCommand(const std::string& document, bool json, std::ostream& out, std::ostream& err,
                     const std::function<std::unique_ptr<LintControls>(const std::string&)>&
                         controls_for,
                     const std::function<bool()>& stop, bool clear_screen) {
  platform::DiskFileSystem disk;
  browser::DocumentWatch watch(disk, document);
  if (!watch.Arm()) err << "cdztool: --watch: " << PrintableText(watch.error()) << "\n";
  int status = LintCommand(document, json, out, err, controls_for);
  for (;;) {
    err << "cdztool: watching " << PrintableText(document) << " (Ctrl+C ends)\n";
    out.flush();
    err.flush();
    if (!watch.WaitForChange(stop)) return status;
    if (clear_screen) out << "\x1b[H\x1b[2J";
    err << "cdztool: " << PrintableText(document) << " changed\n";
    status = LintCommand(document, json, out, err, controls_for);
  }
}

}  // namespace cdztool
