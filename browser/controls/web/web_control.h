// The web control's view, in the web engine's own process (panorel_web): a web view that
// does what the browser's control (web_client.h) is asked, raises its events, and gives its
// pages window.external (ExecuteScript, close).
//
// An address that names a local file (an absolute path, or a drive path with slashes) is
// opened as a file URL.
#pragma once

#include <QVariant>
#include <QWidget>

#include "platform/control_plugin.h"
#include "web_events.h"

class QWebChannel;
class QWebEngineView;

namespace panorel_web {

class WebPage;

// The one object a hosted page's calls reach: exactly ExecuteScript and close.
class WebBridge : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  void set_external(platform::ControlExternal* external) { external_ = external; }

 public slots:
  void ExecuteScript(const QVariantList& arguments);
  void close();

 private:
  platform::ControlExternal* external_ = nullptr;
};

class WebControl : public WebEvents {
  Q_OBJECT

 public:
  explicit WebControl(QWidget* parent);
  ~WebControl() override;

  QString LocationURL() const;
  QString LocationName() const;
  bool Busy() const { return busy_; }

  // The page's window.external calls go to `external` (none: nowhere).
  void SetExternal(platform::ControlExternal* external) { bridge_->set_external(external); }

  // The address as the view takes it.
  static QUrl AddressUrl(const QString& address);

  void Navigate(const QString& address);
  void GoBack();
  void GoForward();
  void Refresh();
  void Stop();

 private:
  QWebEngineView* view_;
  WebPage* page_;
  QWebChannel* channel_;
  WebBridge* bridge_;
  bool busy_ = false;
};

}  // namespace panorel_web
