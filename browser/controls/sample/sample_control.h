// A sample control: a caption in a box that counts the presses on it.
//
//   Methods:     SetText(QString Text), Append(QString Text) -> QString (the new text),
//                Scale(double Value, int Factor) -> double
//   Properties:  text (QString), presses (int, read-only)
//   Events:      Pressed(int X, int Y), TextChanged(QString Text)
#pragma once

#include <QWidget>

#include "platform/control_plugin.h"

namespace corvane_sample {

class SampleControl : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE SetText)
  Q_PROPERTY(int presses READ presses)

 public:
  explicit SampleControl(QWidget* parent) : QWidget(parent) {}

  QString text() const { return text_; }
  int presses() const { return presses_; }

 public slots:
  void SetText(const QString& Text);
  QString Append(const QString& Text);
  double Scale(double Value, int Factor) { return Value * Factor; }

 signals:
  void Pressed(int X, int Y);
  void TextChanged(const QString& Text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString text_ = QStringLiteral("Sample");
  int presses_ = 0;
};

class SampleControlFactory : public QObject, public platform::ControlFactory {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID CORVANE_CONTROL_FACTORY_IID FILE "sample_control.json")
  Q_INTERFACES(platform::ControlFactory)

 public:
  QWidget* CreateControl(const QString& name, QWidget* parent) override;
};

}  // namespace corvane_sample
