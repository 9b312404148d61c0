// The interface a control library implements: a Qt plug-in whose root object is a
// ControlFactory. The plug-in's metadata (the JSON file given to Q_PLUGIN_METADATA) lists
// the names it answers, so that the host can find a control without loading every library:
//
//   { "names": ["Vendor.Control", "Vendor.Control.1", "{01234567-89AB-CDEF-0123-456789ABCDEF}"] }
//
// A library whose controls draw through OpenGL (a web engine's do) says so, and the host makes
// the OpenGL context they share before it loads the library; for any other library the
// OpenGL driver, tens of megabytes resident, is never loaded:
//
//   { "names": [...], "opengl": true }
//
// Names are ProgIDs or CLSIDs in braces and compare without regard to case. The interface
// identifier carries its version; a library built against another version is not loaded.
//
// A control is a QWidget. Scripts reach its own invokable methods and slots, its own
// properties and its own signals (those its class adds to QWidget's), by name; parameter
// names of signals become the names of the event's variables. A control that wants the
// host's external object implements ExternalUser.
//
// A control library that can be registered (a script's RegisterActiveX) also exports
//   extern "C" int DllRegisterServer();  extern "C" int DllUnregisterServer();
// answering 0 or more on success.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QtPlugin>

class QWidget;

namespace platform {

class ControlFactory {
 public:
  virtual ~ControlFactory() = default;
  // A new control for `name` (one of the names of the metadata), owned by `parent`, or
  // nullptr when the library cannot make it.
  virtual QWidget* CreateControl(const QString& name, QWidget* parent) = 0;
};

// The host's external object, as a control sees it.
class ControlExternal {
 public:
  virtual ~ControlExternal() = default;
  // Calls the member `name` with `arguments`; answers the automation status (0 is success,
  // negative values are failures such as 0x80004001 for an unknown name).
  virtual int32_t Call(const QString& name, const QVariantList& arguments) = 0;
};

// Implemented by controls that call their host back.
class ExternalUser {
 public:
  virtual ~ExternalUser() = default;
  // The host's external object, valid until the next call; nullptr takes it away.
  virtual void SetExternal(ControlExternal* external) = 0;
};

}  // namespace platform

#define CORVANE_CONTROL_FACTORY_IID "org.corvane.panorel.ControlFactory/1"
Q_DECLARE_INTERFACE(platform::ControlFactory, CORVANE_CONTROL_FACTORY_IID)
#define CORVANE_EXTERNAL_USER_IID "org.corvane.panorel.ExternalUser/1"
Q_DECLARE_INTERFACE(platform::ExternalUser, CORVANE_EXTERNAL_USER_IID)
