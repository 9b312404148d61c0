#include "platform/qt_control.h"

#include <QByteArray>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QThread>
#include <QUrl>
#include <array>

#include "platform/ascii_case.h"
#include "platform/control_plugin.h"

namespace platform {
namespace {

bool SameName(const char* a, std::string_view b) {
  return EqualsIgnoringCase(std::string_view(a), b);
}

std::optional<Variant> Coerced(const Variant& value, VarType type) {
  VariantError error = VariantError::kOk;
  Variant c = Variant::Converted(value, type, &error);
  if (error != VariantError::kOk) return std::nullopt;
  return c;
}

QString ToQString(const Variant& text) { return QString::fromStdU16String(text.TextValue()); }

template <typename T>
QVariant Of(int64_t v) {
  return QVariant::fromValue(static_cast<T>(v));
}

// A variant in the Qt type closest to its own.
QVariant Natural(const Variant& value) {
  switch (value.type()) {
    case VT_I1: case VT_I2: case VT_I4: case VT_INT: case VT_ERROR:
      return Of<int>(value.IntValue());
    case VT_UI1: case VT_UI2: case VT_UI4: case VT_UINT:
      return Of<uint>(value.IntValue());
    case VT_I8: return Of<qlonglong>(value.IntValue());
    case VT_UI8: return Of<qulonglong>(value.IntValue());
    case VT_R4: return QVariant::fromValue(static_cast<float>(value.RealValue()));
    case VT_R8: return QVariant(value.RealValue());
    case VT_BOOL: return QVariant(value.IntValue() != 0);
    case VT_BSTR: return QVariant(ToQString(value));
    default: return QVariant();
  }
}

// The first of the class's own members: what QWidget and QObject have is not the control's.
int FirstOwnMethod() { return QWidget::staticMetaObject.methodCount(); }
int FirstOwnProperty() { return QWidget::staticMetaObject.propertyCount(); }

// The first of the control's own properties named `name` without regard to case; none without
// a widget.
std::optional<QMetaProperty> OwnProperty(const QWidget* widget, std::string_view name) {
  if (widget == nullptr) return std::nullopt;
  const QMetaObject* meta = widget->metaObject();
  for (int i = FirstOwnProperty(); i < meta->propertyCount(); ++i) {
    const QMetaProperty p = meta->property(i);
    if (SameName(p.name(), name)) return p;
  }
  return std::nullopt;
}

QVariant ValueAt(QMetaType type, void* data) {
  if (type.id() == QMetaType::QVariant) return *static_cast<const QVariant*>(data);
  return QVariant(type, data);
}

}  // namespace

std::optional<QVariant> ToQVariant(const Variant& value, QMetaType type) {
  std::optional<Variant> c;
  const auto as = [&](VarType t) { return (c = Coerced(value, t)).has_value(); };
  switch (type.id()) {
    case QMetaType::QVariant: return Natural(value);
    case QMetaType::Bool: if (as(VT_BOOL)) return QVariant(c->IntValue() != 0); break;
    case QMetaType::Int: if (as(VT_I4)) return Of<int>(c->IntValue()); break;
    case QMetaType::UInt: if (as(VT_UI4)) return Of<uint>(c->IntValue()); break;
    case QMetaType::Long: if (as(VT_I8)) return Of<long>(c->IntValue()); break;
    case QMetaType::ULong: if (as(VT_UI8)) return Of<unsigned long>(c->IntValue()); break;
    case QMetaType::LongLong: if (as(VT_I8)) return Of<qlonglong>(c->IntValue()); break;
    case QMetaType::ULongLong: if (as(VT_UI8)) return Of<qulonglong>(c->IntValue()); break;
    case QMetaType::Short: if (as(VT_I2)) return Of<short>(c->IntValue()); break;
    case QMetaType::UShort: if (as(VT_UI2)) return Of<ushort>(c->IntValue()); break;
    case QMetaType::Char: if (as(VT_I1)) return Of<char>(c->IntValue()); break;
    case QMetaType::SChar: if (as(VT_I1)) return Of<signed char>(c->IntValue()); break;
    case QMetaType::UChar: if (as(VT_UI1)) return Of<uchar>(c->IntValue()); break;
    case QMetaType::Double: if (as(VT_R8)) return QVariant(c->RealValue()); break;
    case QMetaType::Float:
      if (as(VT_R4)) return QVariant::fromValue(static_cast<float>(c->RealValue()));
      break;
    case QMetaType::QString: if (as(VT_BSTR)) return QVariant(ToQString(*c)); break;
    case QMetaType::QUrl: if (as(VT_BSTR)) return QVariant(QUrl(ToQString(*c))); break;
    case QMetaType::QByteArray:
      if (as(VT_BSTR)) return QVariant(ToQString(*c).toUtf8());
      break;
    default: break;
  }
  return std::nullopt;
}

Variant FromQVariant(const QVariant& value) {
  switch (value.metaType().id()) {
    case QMetaType::Bool: return Variant::Bool(value.toBool());
    case QMetaType::Int: return Variant::I4(value.toInt());
    case QMetaType::UInt: return Variant::UI4(value.toUInt());
    case QMetaType::Long:
    case QMetaType::LongLong: return Variant::I8(value.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong: return Variant::UI8(value.toULongLong());
    case QMetaType::Short: return Variant::I2(static_cast<int16_t>(value.toInt()));
    case QMetaType::UShort: return Variant::UI2(static_cast<uint16_t>(value.toUInt()));
    case QMetaType::Char:
    case QMetaType::SChar: return Variant::I1(static_cast<int8_t>(value.toInt()));
    case QMetaType::UChar: return Variant::UI1(static_cast<uint8_t>(value.toUInt()));
    case QMetaType::Double: return Variant::R8(value.toDouble());
    case QMetaType::Float: return Variant::R4(value.toFloat());
    case QMetaType::QString: return Variant::Text(value.toString().toStdU16String());
    case QMetaType::QUrl: return Variant::Text(value.toUrl().toString().toStdU16String());
    case QMetaType::QByteArray:
      return Variant::Text(QString::fromUtf8(value.toByteArray()).toStdU16String());
    default: break;
  }
  if (!value.isValid() || value.isNull()) return Variant();
  if (value.canConvert<QString>()) return Variant::Text(value.toString().toStdU16String());
  return Variant();
}

// Receives the control's signals: each is connected to a method index of its own past
// QObject's, as a signal spy does, so no class needs to be generated for it.
class SignalRelay : public QObject {
 public:
  SignalRelay(QWidget* widget, std::vector<int> signal_indexes)
      : widget_(widget), signals_(std::move(signal_indexes)) {
    const int first = QObject::staticMetaObject.methodCount();
    for (size_t k = 0; k < signals_.size(); ++k) {
      QMetaObject::connect(widget, signals_[k], this, first + static_cast<int>(k),
                           Qt::DirectConnection, nullptr);
    }
  }

  void set_receiver(ControlEvents* receiver) { receiver_ = receiver; }

  int qt_metacall(QMetaObject::Call call, int id, void** a) override {
    id = QObject::qt_metacall(call, id, a);
    if (id < 0) return id;
    if (call == QMetaObject::InvokeMetaMethod) {
      if (id < static_cast<int>(signals_.size())) Relay(static_cast<size_t>(id), a);
      id -= static_cast<int>(signals_.size());
    }
    return id;
  }

 private:
  void Relay(size_t k, void** a) {
    // Scripts run on the user-interface thread only; a signal raised elsewhere is dropped.
    if (receiver_ == nullptr || QThread::currentThread() != thread()) return;
    const QMetaMethod signal = widget_->metaObject()->method(signals_[k]);
    std::vector<Variant> arguments;
    for (int i = 0; i < signal.parameterCount(); ++i) {
      arguments.push_back(FromQVariant(ValueAt(signal.parameterMetaType(i), a[i + 1])));
    }
    receiver_->ControlEvent(signals_[k], arguments);
  }

  QWidget* widget_;
  std::vector<int> signals_;
  ControlEvents* receiver_ = nullptr;
};

// The host's external object in the control's own terms.
class ExternalBridge : public ControlExternal {
 public:
  int32_t Call(const QString& name, const QVariantList& arguments) override {
    if (external_ == nullptr) return static_cast<int32_t>(DispStatus::kNotImplemented);
    int32_t id = 0;
    const DispStatus s = external_->GetIDsOfNames(name.toStdString(), &id);
    if (s != DispStatus::kOk) return static_cast<int32_t>(s);
    std::vector<Variant> args;
    for (const QVariant& v : arguments) args.push_back(FromQVariant(v));
    uint32_t argument_error = 0;
    return static_cast<int32_t>(external_->Invoke(id, &args, &argument_error));
  }
  ExternalDispatch* external_ = nullptr;
};

QtControl::QtControl(QWidget* widget) : widget_(widget), bridge_(std::make_unique<ExternalBridge>()) {
  const QMetaObject* meta = widget->metaObject();
  std::vector<int> indexes;
  for (int i = FirstOwnMethod(); i < meta->methodCount(); ++i) {
    const QMetaMethod m = meta->method(i);
    if (m.methodType() != QMetaMethod::Signal || (m.attributes() & QMetaMethod::Cloned)) continue;
    ControlEventInfo info;
    info.id = i;
    info.name = m.name().toStdString();
    for (const QByteArray& p : m.parameterNames()) info.parameters.push_back(p.toStdString());
    events_.push_back(std::move(info));
    indexes.push_back(i);
  }
  relay_ = std::make_unique<SignalRelay>(widget, std::move(indexes));
}

QtControl::~QtControl() {
  if (auto* user = qobject_cast<ExternalUser*>(widget_.data())) user->SetExternal(nullptr);
  relay_.reset();
  delete widget_.data();
}

bool QtControl::Call(std::string_view name, const std::vector<Variant>& arguments,
                     Variant* result) {
  // Qt's invocation takes at most ten arguments.
  if (!widget_ || arguments.size() > 10) return false;
  const QMetaObject* meta = widget_->metaObject();
  for (int i = FirstOwnMethod(); i < meta->methodCount(); ++i) {
    const QMetaMethod m = meta->method(i);
    if (m.methodType() != QMetaMethod::Method && m.methodType() != QMetaMethod::Slot) continue;
    if (m.access() != QMetaMethod::Public || !SameName(m.name().constData(), name)) continue;
    if (m.parameterCount() != static_cast<int>(arguments.size())) continue;

    std::vector<QVariant> values;
    values.reserve(arguments.size());  // the arguments point into it
    bool converted = true;
    for (size_t k = 0; k < arguments.size() && converted; ++k) {
      std::optional<QVariant> v = ToQVariant(arguments[k], m.parameterMetaType(static_cast<int>(k)));
      converted = v.has_value();
      if (converted) values.push_back(std::move(*v));
    }
    if (!converted) continue;  // an overload may take these arguments
    std::array<QGenericArgument, 10> args{};
    for (size_t k = 0; k < values.size(); ++k) {
      const QMetaType type = m.parameterMetaType(static_cast<int>(k));
      void* data = type.id() == QMetaType::QVariant ? static_cast<void*>(&values[k]) : values[k].data();
      args[k] = QGenericArgument(type.name(), data);
    }
    const QMetaType return_type = m.returnMetaType();
    const bool has_result = return_type.id() != QMetaType::Void && return_type.isValid();
    QVariant answer = has_result && return_type.id() != QMetaType::QVariant ? QVariant(return_type)
                                                                            : QVariant();
    void* answer_data = !has_result ? nullptr
                        : return_type.id() == QMetaType::QVariant ? static_cast<void*>(&answer)
                                                                  : answer.data();
    const QGenericReturnArgument ret =
        has_result ? QGenericReturnArgument(return_type.name(), answer_data)
                   : QGenericReturnArgument();
    const bool called = m.invoke(widget_, Qt::DirectConnection, ret, args[0], args[1], args[2],
                                 args[3], args[4], args[5], args[6], args[7], args[8], args[9]);
    if (!called) return false;
    if (result) *result = has_result ? FromQVariant(answer) : Variant();
    return true;
  }
  return false;
}

bool QtControl::PutProperty(std::string_view name, const Variant& value) {
  const std::optional<QMetaProperty> p = OwnProperty(widget_, name);
  if (!p || !p->isWritable()) return false;
  std::optional<QVariant> v = ToQVariant(value, p->metaType());
  return v && p->write(widget_, *v);
}

bool QtControl::GetProperty(std::string_view name, Variant* value) {
  const std::optional<QMetaProperty> p = OwnProperty(widget_, name);
  if (!p || !p->isReadable()) return false;
  if (value) *value = FromQVariant(p->read(widget_));
  return true;
}

void QtControl::SetEventReceiver(ControlEvents* receiver) { relay_->set_receiver(receiver); }

void QtControl::SetExternal(ExternalDispatch* external) {
  bridge_->external_ = external;
  if (auto* user = qobject_cast<ExternalUser*>(widget_.data())) {
    user->SetExternal(external ? bridge_.get() : nullptr);
  }
}

}  // namespace platform
