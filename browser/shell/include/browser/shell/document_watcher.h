#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>
#include <string>

#include "browser/doc/document_watch.h"

namespace browser::shell {

// `panorel --watch`: tells the window, through changed(), when a file of its document changed on
// disk and the save has settled (DocumentWatch says which files count).
class DocumentWatcher : public QObject {
  Q_OBJECT
 public:
  // Watches at once; what cannot be watched is said on stderr.
  DocumentWatcher(platform::FileSystem& files, const std::string& path, QObject* parent);
  const std::string& path() const { return watch_.path(); }

 signals:
  void changed();

 private:
  DocumentWatch watch_;
  std::unique_ptr<QSocketNotifier> notifier_;
  QTimer settle_;
};

}  // namespace browser::shell
