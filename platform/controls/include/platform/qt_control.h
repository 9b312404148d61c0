// A Qt widget as a hosted control: methods, properties and signals found by name through
// the widget's meta-object, with variants converted to and from the parameter types by the
// automation coercion rules (platform/variant.h).
//
// Only what the control's class adds to QWidget is reachable: its invokable methods and
// public slots, its properties and its signals. QWidget's and QObject's own members (close,
// deleteLater, geometry, ...) are not, so a document cannot take the widget away from its
// host. Types a parameter may have: bool, the integer types, float, double, QString, QUrl,
// QByteArray (UTF-8) and QVariant (the value as it comes).
#pragma once

#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <memory>
#include <optional>

#include "platform/controls.h"

namespace platform {

class ExternalBridge;
class SignalRelay;

class QtControl : public Control {
 public:
  // Takes `widget` over: it is destroyed with this object (unless Qt destroyed it first).
  explicit QtControl(QWidget* widget);
  ~QtControl() override;
  QtControl(const QtControl&) = delete;
  QtControl& operator=(const QtControl&) = delete;

  QWidget* widget() const { return widget_; }

  bool Call(std::string_view name, const std::vector<Variant>& arguments,
            Variant* result) override;
  bool PutProperty(std::string_view name, const Variant& value) override;
  bool GetProperty(std::string_view name, Variant* value) override;
  const std::vector<ControlEventInfo>& Events() const override { return events_; }
  void SetEventReceiver(ControlEvents* receiver) override;
  void SetExternal(ExternalDispatch* external) override;

 private:
  QPointer<QWidget> widget_;
  std::vector<ControlEventInfo> events_;
  std::unique_ptr<SignalRelay> relay_;
  std::unique_ptr<ExternalBridge> bridge_;
};

// `value` as a QVariant of type `type` (QVariant itself: the value's natural Qt type), or
// nothing when the coercion fails or Qt has no such conversion here.
std::optional<QVariant> ToQVariant(const Variant& value, QMetaType type);
// A Qt value as a variant: numbers and booleans by their type, texts (QString, QUrl,
// QByteArray as UTF-8) as BSTR, an invalid value as EMPTY, anything else as its text when
// Qt converts it to one, else EMPTY.
Variant FromQVariant(const QVariant& value);

}  // namespace platform
