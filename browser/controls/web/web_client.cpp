#include "web_client.h"

#include <dlfcn.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace panorel_web {
namespace {

// How long an engine whose control has gone is given to end by itself.
constexpr int kEngineEndMs = 5000;

// The engine's program lies beside this library.
QString EngineProgram() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&EngineProgram), &info) == 0 || info.dli_fname == nullptr) {
    return {};
  }
  return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath() +
         QStringLiteral("/panorel_web");
}

}  // namespace

WebClient::WebClient(const QString& engine_program, QWidget* parent)
    : WebEvents(parent), engine_(new QProcess), layout_(new QVBoxLayout(this)) {
  layout_->setContentsMargins(0, 0, 0, 0);
  setFocusPolicy(Qt::ClickFocus);
  // The engine tells its complaints where the browser tells its own.
  engine_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  connect(engine_, &QProcess::readyReadStandardOutput, this, &WebClient::Read);
  engine_->start(engine_program, {});
}

WebClient::~WebClient() {
  // Closing the engine's input ends it; the process is let go once it has ended, and ended
  // by force if it does not, without holding the browser's window meanwhile.
  QProcess* engine = engine_;
  engine->disconnect(this);
  if (engine->state() == QProcess::NotRunning) {
    delete engine;
    return;
  }
  engine->setParent(QCoreApplication::instance());
  QObject::connect(engine, &QProcess::finished, engine, &QObject::deleteLater);
  QTimer::singleShot(kEngineEndMs, engine, [engine] { engine->kill(); });
  engine->closeWriteChannel();
}

void WebClient::Call(const char* method, const QVariant& argument) {
  QJsonArray args;
  if (argument.isValid()) args.append(argument.toString());
  engine_->write(MessageLine({{"call", QLatin1String(method)}, {"args", args}}));
}

void WebClient::Navigate(const QVariant& URL, const QVariant&, const QVariant&, const QVariant&,
                         const QVariant&) {
  Call("Navigate", URL);
}

void WebClient::Navigate2(const QVariant& URL, const QVariant& Flags,
                          const QVariant& TargetFrameName, const QVariant& PostData,
                          const QVariant& Headers) {
  Navigate(URL, Flags, TargetFrameName, PostData, Headers);
}

void WebClient::GoBack() { Call("GoBack"); }
void WebClient::GoForward() { Call("GoForward"); }
void WebClient::Refresh() { Call("Refresh"); }
void WebClient::Stop() { Call("Stop"); }

bool WebClient::event(QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
    return WebEvents::event(event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  engine_->write(MessageLine({{"key", QJsonObject{{"press", event->type() == QEvent::KeyPress},
                                                  {"key", key->key()},
                                                  {"modifiers", int(key->modifiers())},
                                                  {"text", key->text()},
                                                  {"repeat", key->isAutoRepeat()}}}}));
  return true;
}

void WebClient::Read() {
  reader_.Feed(engine_->readAllStandardOutput());
  // A message may run a script of the document that takes this control away.
  const QPointer<WebClient> alive(this);
  while (alive) {
    const auto message = reader_.Next();
    if (!message) return;
    Perform(*message);
  }
}

void WebClient::Perform(const QJsonObject& message) {
  if (message.contains("focus")) {
    setFocus(Qt::MouseFocusReason);
  } else if (message.contains("window")) {
    Embed(static_cast<WId>(message.value("window").toString().toULongLong()));
  } else if (message.contains("state")) {
    const QJsonObject state = message.value("state").toObject();
    url_ = state.value("url").toString();
    title_ = state.value("title").toString();
    busy_ = state.value("busy").toBool();
  } else if (message.contains("event")) {
    const QString name = message.value("event").toString();
    const QString argument = message.value("args").toArray().at(0).toString();
    if (name == "BeforeNavigate2") emit BeforeNavigate2(argument);
    if (name == "NavigateComplete2") emit NavigateComplete2(argument);
    if (name == "DocumentComplete") emit DocumentComplete(argument);
    if (name == "TitleChange") emit TitleChange(argument);
    if (name == "NewWindowRequested") emit NewWindowRequested(argument);
  } else if (message.contains("external") && external_ != nullptr) {
    external_->Call(message.value("external").toString(),
                    message.value("args").toArray().toVariantList());
  }
}

void WebClient::Embed(WId window) {
  if (window == 0 || (container_ != nullptr && embedded_ == window)) return;
  QWindow* engine_window = QWindow::fromWinId(window);
  if (engine_window == nullptr) return;
  // A window the engine made anew replaces the one it had.
  delete container_;
  embedded_ = window;
  container_ = QWidget::createWindowContainer(engine_window, this);
  layout_->addWidget(container_);
}

bool WebControlFactory::EngineCanStart() {
  if (geteuid() != 0) return true;
  // The engine ends the whole program when it is started as root with its sandbox on.
  if (qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) return true;
  return qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").contains(QStringLiteral("--no-sandbox"));
}

QWidget* WebControlFactory::CreateControl(const QString&, QWidget* parent) {
  const QString program = EngineProgram();
  if (!EngineCanStart() || program.isEmpty() || !QFileInfo(program).isExecutable()) {
    return nullptr;
  }
  return new WebClient(program, parent);
}

}  // namespace panorel_web
