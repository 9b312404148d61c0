// Registering control libraries, as a script's RegisterActiveX does. On this platform a control
// library is a Qt plug-in; registering it calls its registration export and installs it into
// the per-user plug-in folder, where the control host finds it. Qt-free; the real
// implementation is PluginControlLibraries (plugin_control_libraries.h), tests use
// RecordingControlLibraries (recording_control_libraries.h).
#pragma once

#include <string>

namespace platform {

class ControlLibraries {
 public:
  virtual ~ControlLibraries() = default;

  // Loads the library at `path` and calls its export "DllRegisterServer" (or, with
  // `unregister`, "DllUnregisterServer"), then installs the library into the plug-in folder
  // (or removes it from there). False, with the reason in `error` when given, when the
  // library cannot be loaded, has no such export or the export answers a negative value.
  virtual bool Register(const std::string& path, bool unregister, std::string* error) = 0;
};

}  // namespace platform
