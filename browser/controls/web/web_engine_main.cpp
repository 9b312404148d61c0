// panorel_web: the web control's engine in a process of its own. The browser's web control
// (web_client.h) starts it, embeds the window it names and talks to it through its standard
// input and output (web_messages.h); when the browser closes its end, the engine ends, and
// with it every process of the web engine. So the browser's own memory is the same before a
// web page and after it.
#include <unistd.h>

#include <QApplication>
#include <QJsonArray>
#include <QKeyEvent>
#include <QSocketNotifier>
#include <QVBoxLayout>
#include <cstdio>

#include "web_control.h"
#include "web_messages.h"

namespace panorel_web {
namespace {

// The window the browser embeds, with the control in it, and the two ends of the pipe.
class EngineWindow : public QWidget, public platform::ControlExternal {
 public:
  EngineWindow()
      : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint),
        control_(new WebControl(this)),
        input_(STDIN_FILENO, QSocketNotifier::Read) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(control_);
    control_->SetExternal(this);
    connect(control_, &WebEvents::BeforeNavigate2, this,
            [this](const QString& url) { Event("BeforeNavigate2", url); });
    connect(control_, &WebEvents::NavigateComplete2, this,
            [this](const QString& url) { Event("NavigateComplete2", url); });
    connect(control_, &WebEvents::DocumentComplete, this,
            [this](const QString& url) { Event("DocumentComplete", url); });
    connect(control_, &WebEvents::TitleChange, this,
            [this](const QString& text) { Event("TitleChange", text); });
    connect(control_, &WebEvents::NewWindowRequested, this,
            [this](const QString& url) { Event("NewWindowRequested", url); });
    connect(&input_, &QSocketNotifier::activated, this, [this] { Read(); });
    qApp->installEventFilter(this);
    // Shown out of sight and out of the window manager's hands until the browser takes it in.
    setGeometry(-10000, -10000, 300, 200);
    show();
    SendWindow();
  }

  // ControlExternal: a call of the page's window.external goes to the browser.
  int32_t Call(const QString& name, const QVariantList& arguments) override {
    Send({{"external", name}, {"args", QJsonArray::fromVariantList(arguments)}});
    return 0;
  }

 protected:
  // A click into the page takes the keyboard there: the browser's control takes the focus
  // and hands its keys on, and this window counts as active, so that the view has the focus.
  // (The window never takes the X input focus itself, which would leave the browser's
  // window inactive.)
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
      if (QApplication::activeWindow() != this) QApplication::setActiveWindow(this);
      Send({{"focus", true}});
    }
    return QWidget::eventFilter(watched, event);
  }

  // The toolkit makes the window anew when the view first draws through OpenGL: the browser
  // embeds the new one.
  bool event(QEvent* event) override {
    if (event->type() == QEvent::WinIdChange && isVisible()) SendWindow();
    return QWidget::event(event);
  }

 private:
  void SendWindow() { Send({{"window", QString::number(winId())}}); }

  void Read() {
    char block[65536];
    const ssize_t got = ::read(STDIN_FILENO, block, sizeof block);
    // The browser closed its end (or is gone): the engine ends.
    if (got <= 0) {
      input_.setEnabled(false);
      QApplication::quit();
      return;
    }
    reader_.Feed(QByteArray(block, got));
    while (const auto message = reader_.Next()) Perform(*message);
  }

  void Perform(const QJsonObject& message) {
    if (message.contains("key")) {
      Key(message.value("key").toObject());
      return;
    }
    const QString method = message.value("call").toString();
    const QString address = message.value("args").toArray().at(0).toString();
    if (method == "Navigate" || method == "Navigate2") {
      control_->Navigate(address);
    } else if (method == "GoBack") {
      control_->GoBack();
    } else if (method == "GoForward") {
      control_->GoForward();
    } else if (method == "Refresh") {
      control_->Refresh();
    } else if (method == "Stop") {
      control_->Stop();
    }
  }

  void Key(const QJsonObject& key) {
    if (QApplication::activeWindow() != this) QApplication::setActiveWindow(this);
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr || target->window() != this) return;
    QKeyEvent event(key.value("press").toBool() ? QEvent::KeyPress : QEvent::KeyRelease,
                    key.value("key").toInt(),
                    Qt::KeyboardModifiers(key.value("modifiers").toInt()),
                    key.value("text").toString(), key.value("repeat").toBool());
    QApplication::sendEvent(target, &event);
  }

  // The page as it stands, then the event.
  void Event(const char* name, const QString& argument) {
    Send({{"state", QJsonObject{{"url", control_->LocationURL()},
                                {"title", control_->LocationName()},
                                {"busy", control_->Busy()}}}});
    Send({{"event", name}, {"args", QJsonArray{argument}}});
  }

  static void Send(const QJsonObject& message) {
    const QByteArray line = MessageLine(message);
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    std::fflush(stdout);
  }

  WebControl* control_;
  QSocketNotifier input_;
  MessageReader reader_;
};

}  // namespace
}  // namespace panorel_web

int main(int argc, char** argv) {
  // The engine draws through OpenGL with Qt's shared context, asked for before the
  // application starts.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("panorel"));
  app.setQuitOnLastWindowClosed(false);
  panorel_web::EngineWindow window;
  return app.exec();
}
