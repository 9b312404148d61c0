// The web control's view, in the web engine's own process (panorel_web): a web view with
// the methods, properties and events documents script a web browser control with, and
// window.external (ExecuteScript, close) inside its pages.
//
//   Methods:     Navigate(URL [, Flags, TargetFrameName, PostData, Headers]), Navigate2 (the
//                same), GoBack(), GoForward(), Refresh(), Stop()
//   Properties:  LocationURL, LocationName (the page's title), Busy (read-only)
//   Events:      BeforeNavigate2(URL), NavigateComplete2(URL), DocumentComplete(URL),
//                TitleChange(Text)
//
// An address that names a local file (an absolute path, or a drive path with slashes) is
// opened as a file URL.
#pragma once

#include <QVariant>
#include <QWidget>

#include "platform/control_plugin.h"

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

class WebControl : public QWidget, public platform::ExternalUser {
  Q_OBJECT
  Q_INTERFACES(platform::ExternalUser)
  Q_PROPERTY(QString LocationURL READ LocationURL)
  Q_PROPERTY(QString LocationName READ LocationName)
  Q_PROPERTY(bool Busy READ Busy)

 public:
  explicit WebControl(QWidget* parent);
  ~WebControl() override;

  QString LocationURL() const;
  QString LocationName() const;
  bool Busy() const { return busy_; }

  void SetExternal(platform::ControlExternal* external) override { bridge_->set_external(external); }

  // The address as the view takes it.
  static QUrl AddressUrl(const QString& address);

 public slots:
  void Navigate(const QVariant& URL, const QVariant& Flags = {},
                const QVariant& TargetFrameName = {}, const QVariant& PostData = {},
                const QVariant& Headers = {});
  void Navigate2(const QVariant& URL, const QVariant& Flags = {},
                 const QVariant& TargetFrameName = {}, const QVariant& PostData = {},
                 const QVariant& Headers = {});
  void GoBack();
  void GoForward();
  void Refresh();
  void Stop();

 signals:
  void BeforeNavigate2(const QString& URL);
  void NavigateComplete2(const QString& URL);
  void DocumentComplete(const QString& URL);
  void TitleChange(const QString& Text);
  // A link with target=_blank or window.open asked for a new window with URL: the control
  // opens none, and the host hands the address to the desktop's web browser.
  void NewWindowRequested(const QString& URL);

 private:
  QWebEngineView* view_;
  WebPage* page_;
  QWebChannel* channel_;
  WebBridge* bridge_;
  bool busy_ = false;
};

}  // namespace panorel_web
