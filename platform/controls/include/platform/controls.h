// Hosted controls as scripts see them: methods and properties called by name with variants,
// events relayed with their parameter names, and the host's external object that a control
// may call back. Qt-free; the real controls are Qt widgets (QtControl, qt_control.h), tests
// use RecordingControl (recording_control.h).
//
// Everything here is called on the user-interface thread. Names from documents are untrusted:
// an unknown name, a wrong argument count or an argument that does not convert is a failed
// call, never a fault of the caller's process.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/variant.h"

namespace platform {

// Status codes of automation calls, with the automation standard's values.
enum class DispStatus : int32_t {
  kOk = 0,                                               // S_OK
  kNotImplemented = static_cast<int32_t>(0x80004001),    // E_NOTIMPL
  kInvalidArgument = static_cast<int32_t>(0x80070057),   // E_INVALIDARG
  kMemberNotFound = static_cast<int32_t>(0x80020003),    // DISP_E_MEMBERNOTFOUND
  kTypeMismatch = static_cast<int32_t>(0x80020005),      // DISP_E_TYPEMISMATCH
  kBadParamCount = static_cast<int32_t>(0x8002000E),     // DISP_E_BADPARAMCOUNT
};

// One event a control can raise: its member id (stable for the control's class), its name
// and the names of its parameters in declaration order (empty for an unnamed parameter).
struct ControlEventInfo {
  int32_t id = 0;
  std::string name;
  std::vector<std::string> parameters;
};

// Receives a control's events. The arguments come in declaration order (the first
// parameter first), as many as the event has parameters.
class ControlEvents {
 public:
  virtual ~ControlEvents() = default;
  virtual void ControlEvent(int32_t id, const std::vector<Variant>& arguments) = 0;
};

// The object a host hands its control so that the control (or a page inside it) can call
// the host: names are looked up to member ids first, then the member is invoked.
class ExternalDispatch {
 public:
  virtual ~ExternalDispatch() = default;
  // The member id of `name` in `id`, or kNotImplemented for a name the object does not have.
  virtual DispStatus GetIDsOfNames(std::string_view name, int32_t* id) = 0;
  // Invokes member `id` with `arguments` in declaration order; nullptr stands for a call
  // without an argument structure. On kTypeMismatch, `argument_error` (when given) holds the
  // index of the argument at fault.
  virtual DispStatus Invoke(int32_t id, const std::vector<Variant>* arguments,
                            uint32_t* argument_error) = 0;
};

// A hosted control's automation side. It stays valid until its host destroys the control.
class Control {
 public:
  virtual ~Control() = default;

  // Calls the method `name` (compared without regard to case) with `arguments` in
  // declaration order. True when the method was called; `result` then holds what it
  // answered (EMPTY for a method without a result). False, `result` untouched, for an
  // unknown name, a wrong argument count or an argument that does not convert to the
  // parameter's type.
  virtual bool Call(std::string_view name, const std::vector<Variant>& arguments,
                    Variant* result) = 0;
  // Writes or reads the property `name` (compared without regard to case). False when the
  // control has no such property, it is read-only (put) or the value does not convert.
  virtual bool PutProperty(std::string_view name, const Variant& value) = 0;
  virtual bool GetProperty(std::string_view name, Variant* value) = 0;

  // The events the control raises, in the order its class declares them.
  virtual const std::vector<ControlEventInfo>& Events() const = 0;
  // Events go to `receiver` from now on; nullptr disconnects. The receiver must stay valid
  // until it is replaced or the control is destroyed.
  virtual void SetEventReceiver(ControlEvents* receiver) = 0;
  // The host's external object for the control; nullptr takes it away.
  virtual void SetExternal(ExternalDispatch* external) = 0;
};

}  // namespace platform
