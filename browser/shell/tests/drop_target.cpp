// panorel_drop_target: a small window that takes file drops, for the end-to-end tests.
//   panorel_drop_target LOG [TITLE]
// Shows a 300 x 200 window titled TITLE ("Drop target") at the screen's top left and appends
// one line per drop to LOG: "drop ACTION URI..." with ACTION copy or link and each URI as
// text/uri-list carried it, then "path LOCAL-PATH" for each decoded file name.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

class DropTarget : public QWidget {
 public:
  explicit DropTarget(QString log) : log_(std::move(log)) { setAcceptDrops(true); }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
  }
  void dragMoveEvent(QDragMoveEvent* event) override { event->acceptProposedAction(); }
  void dropEvent(QDropEvent* event) override {
    QByteArray line = event->dropAction() == Qt::LinkAction ? "drop link" : "drop copy";
    QByteArray paths;
    for (const QUrl& url : event->mimeData()->urls()) {
      line += " " + url.toEncoded();
      paths += "path " + url.toLocalFile().toLocal8Bit() + "\n";
    }
    QFile file(log_);
    if (file.open(QIODevice::Append)) file.write(line + "\n" + paths);
    event->acceptProposedAction();
  }

 private:
  QString log_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) return 2;
  DropTarget target(QString::fromLocal8Bit(argv[1]));
  target.setWindowTitle(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("Drop target"));
  target.setGeometry(0, 0, 300, 200);
  target.show();
  return app.exec();
}
