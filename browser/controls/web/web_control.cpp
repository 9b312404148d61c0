#include "web_control.h"

#include <QDir>
#include <QFileInfo>
#include <QVBoxLayout>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

#include "web_bridge_scripts.h"

namespace panorel_web {

// The page a new window would show: its first navigation names the address, which goes to
// the control's host instead, and the page goes away.
class NewWindowPage : public QWebEnginePage {
 public:
  NewWindowPage(QWebEngineProfile* profile, WebControl* control)
      : QWebEnginePage(profile, control), control_(control) {}

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool main_frame) override {
    if (main_frame && !handed_) {
      handed_ = true;
      emit control_->NewWindowRequested(url.toString());
      deleteLater();
    }
    return false;
  }

 private:
  WebControl* control_;
  bool handed_ = false;
};

// Tells the control of every navigation before it starts.
class WebPage : public QWebEnginePage {
 public:
  WebPage(QWebEngineProfile* profile, WebControl* control)
      : QWebEnginePage(profile, nullptr), control_(control) {}

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool main_frame) override {
    if (main_frame) emit control_->BeforeNavigate2(url.toString());
    return true;
  }
  QWebEnginePage* createWindow(WebWindowType) override {
    return new NewWindowPage(profile(), control_);
  }

 private:
  WebControl* control_;
};

void WebBridge::ExecuteScript(const QVariantList& arguments) {
  if (external_ != nullptr) external_->Call(QStringLiteral("ExecuteScript"), arguments);
}

void WebBridge::close() {
  if (external_ != nullptr) external_->Call(QStringLiteral("close"), {});
}

namespace {

QWebEngineScript Script(const QString& name, const QString& source, quint32 world) {
  QWebEngineScript script;
  script.setName(name);
  script.setSourceCode(source);
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setWorldId(world);
  script.setRunsOnSubFrames(false);
  return script;
}

}  // namespace

WebControl::WebControl(QWidget* parent)
    : WebEvents(parent),
      view_(new QWebEngineView(this)),
      page_(new WebPage(QWebEngineProfile::defaultProfile(), this)),
      channel_(new QWebChannel(this)),
      bridge_(new WebBridge(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  channel_->registerObject(QStringLiteral("external"), bridge_);
  // The channel lives in a world of its own: see web_bridge_scripts.h.
  page_->setWebChannel(channel_, QWebEngineScript::ApplicationWorld);
  page_->scripts().insert(Script(QStringLiteral("panorel-external"), PageWorldScript(),
                                 QWebEngineScript::MainWorld));
  page_->scripts().insert(Script(QStringLiteral("panorel-bridge"), BridgeWorldScript(),
                                 QWebEngineScript::ApplicationWorld));
  view_->setPage(page_);

  connect(page_, &QWebEnginePage::loadStarted, this, [this] { busy_ = true; });
  connect(page_, &QWebEnginePage::urlChanged, this,
          [this](const QUrl& url) { emit NavigateComplete2(url.toString()); });
  connect(page_, &QWebEnginePage::loadFinished, this, [this](bool) {
    busy_ = false;
    emit DocumentComplete(page_->url().toString());
  });
  connect(page_, &QWebEnginePage::titleChanged, this,
          [this](const QString& title) { emit TitleChange(title); });
}

WebControl::~WebControl() {
  bridge_->set_external(nullptr);
  // The view goes before its page, and the page before the profile it was made with.
  delete view_;
  delete page_;
}

QUrl WebControl::AddressUrl(const QString& address) {
  QString a = address.trimmed();
  // A drive path written with slashes ("C:/Docs/a.htm") is no URL scheme of one letter.
  if (a.size() > 2 && a[1] == QLatin1Char(':') && a[0].isLetter() &&
      (a[2] == QLatin1Char('/') || a[2] == QLatin1Char('\\'))) {
    return QUrl::fromLocalFile(a);
  }
  if (a.startsWith(QLatin1Char('/'))) return QUrl::fromLocalFile(a);
  return QUrl::fromUserInput(a, QDir::currentPath(), QUrl::AssumeLocalFile);
}

QString WebControl::LocationURL() const { return page_->url().toString(); }
QString WebControl::LocationName() const { return page_->title(); }

void WebControl::Navigate(const QString& address) { page_->load(AddressUrl(address)); }

void WebControl::GoBack() { page_->triggerAction(QWebEnginePage::Back); }
void WebControl::GoForward() { page_->triggerAction(QWebEnginePage::Forward); }
void WebControl::Refresh() { page_->triggerAction(QWebEnginePage::Reload); }
void WebControl::Stop() { page_->triggerAction(QWebEnginePage::Stop); }

}  // namespace panorel_web
