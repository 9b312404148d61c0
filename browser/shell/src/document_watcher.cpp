#include "browser/shell/document_watcher.h"

#include <iostream>

namespace browser::shell {

DocumentWatcher::DocumentWatcher(platform::FileSystem& files, const std::string& path,
                                 QObject* parent)
    : QObject(parent), watch_(files, path) {
  if (!watch_.Arm()) std::cerr << "panorel: --watch: " << watch_.error() << "\n";
  if (watch_.fd() < 0) return;
  // Every change of the save starts the wait again: the page loads once it has settled.
  settle_.setSingleShot(true);
  settle_.setInterval(DocumentWatch::kSettleMs);
  connect(&settle_, &QTimer::timeout, this, [this] {
    // Folders made since are watched from now on.
    watch_.Arm();
    emit changed();
  });
  notifier_ = std::make_unique<QSocketNotifier>(watch_.fd(), QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
    if (watch_.TakeChanges()) settle_.start();
  });
}

}  // namespace browser::shell
