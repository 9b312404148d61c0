// The built-in web control as the browser hosts it: the methods, properties and events
// documents script a web browser control with (see web_control.h), over a web engine that
// runs in a process of its own (panorel_web, beside this library). The engine's window is
// embedded in the control; when the control goes, the engine's process ends, and the
// browser's memory is what it was before the web page.
//
//   Methods:     Navigate(URL [, Flags, TargetFrameName, PostData, Headers]), Navigate2 (the
//                same), GoBack(), GoForward(), Refresh(), Stop()
//   Properties:  LocationURL, LocationName (the page's title), Busy (read-only), as the
//                engine last told them
//   Events:      BeforeNavigate2(URL), NavigateComplete2(URL), DocumentComplete(URL),
//                TitleChange(Text), NewWindowRequested(URL)
#pragma once

#include <QJsonObject>
#include <QPointer>
#include <QProcess>
#include <QVariant>
#include <QWidget>

#include "platform/control_plugin.h"
#include "web_events.h"
#include "web_messages.h"

class QVBoxLayout;

namespace panorel_web {

class WebClient : public WebEvents, public platform::ExternalUser {
  Q_OBJECT
  Q_INTERFACES(platform::ExternalUser)
  Q_PROPERTY(QString LocationURL READ LocationURL)
  Q_PROPERTY(QString LocationName READ LocationName)
  Q_PROPERTY(bool Busy READ Busy)

 public:
  // Starts the engine `engine_program`.
  WebClient(const QString& engine_program, QWidget* parent);
  ~WebClient() override;

  QString LocationURL() const { return url_; }
  QString LocationName() const { return title_; }
  bool Busy() const { return busy_; }

  void SetExternal(platform::ControlExternal* external) override { external_ = external; }

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

 protected:
  // The keys the control is given go to the page; Tab too, which moves within the page.
  bool event(QEvent* event) override;

 private:
  void Call(const char* method, const QVariant& argument = {});
  void Read();
  void Perform(const QJsonObject& message);
  void Embed(WId window);

  QProcess* engine_;  // outlives the control until the engine has ended
  QVBoxLayout* layout_;
  QPointer<QWidget> container_;  // the engine's window
  WId embedded_ = 0;
  MessageReader reader_;
  platform::ControlExternal* external_ = nullptr;
  QString url_;
  QString title_;
  bool busy_ = false;
};

class WebControlFactory : public QObject, public platform::ControlFactory {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID CORVANE_CONTROL_FACTORY_IID FILE "web_control.json")
  Q_INTERFACES(platform::ControlFactory)

 public:
  // Refuses (nullptr) where the web engine cannot start: as root with its sandbox on
  // (QTWEBENGINE_DISABLE_SANDBOX unset and no --no-sandbox in QTWEBENGINE_CHROMIUM_FLAGS),
  // or without the engine's program beside this library.
  QWidget* CreateControl(const QString& name, QWidget* parent) override;

 private:
  static bool EngineCanStart();
};

}  // namespace panorel_web
