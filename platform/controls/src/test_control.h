#pragma once

#include <QVariant>
#include <QWidget>

#include "platform/control_plugin.h"

namespace platform {

class TestControl : public QWidget, public ExternalUser {
  Q_OBJECT
  Q_INTERFACES(platform::ExternalUser)
  Q_PROPERTY(QString caption READ caption WRITE setCaption)
  Q_PROPERTY(int count READ count)

 public:
  explicit TestControl(QWidget* parent = nullptr);

  QString caption() const { return caption_; }
  void setCaption(const QString& caption);
  int count() const { return count_; }

  Q_INVOKABLE int Add(int A, int B);
  Q_INVOKABLE QString Join(const QString& A, const QString& B);
  Q_INVOKABLE QVariant Echo(const QVariant& Value) { return Value; }
  Q_INVOKABLE void Raise(int X, const QString& Y) { emit Fired(X, Y); }
  Q_INVOKABLE int CallExternal(const QString& Name, const QString& Argument);

  void SetExternal(ControlExternal* external) override { external_ = external; }

 signals:
  void Fired(int X, const QString& Y);
  void Clicked(int X, int Y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString caption_ = QStringLiteral("Test control");
  int count_ = 0;
  ControlExternal* external_ = nullptr;
};

}  // namespace platform
