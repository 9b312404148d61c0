#pragma once

#include <string>

#include "browser/script/script_item.h"

namespace platform {
class RegistryStore;
}

namespace browser {

// "RunProgram": starts a program, its path resolved against the document directory, with a
// parameters text passed on as written. The path and parameters are the keys "path" and
// "parameters", or ("flag" is "registry") values of the user's registry key "registryKey",
// read each time the action runs. A program path of 260 bytes or more, or a registry value
// that long, starts nothing: it would not have fitted the buffers documents were written for,
// and cutting it would name another file. Always answers kContinue.
class CRunProgramAction : public CScriptItem {
 public:
  using CScriptItem::CScriptItem;
  bool Load(const CDataFile& file, LoadContext& context) override;
  ActionResult Execute(ScriptContext& context) override;

  // The longest text the buffers of 260 bytes held, without the terminating zero.
  static constexpr size_t kMaxText = 259;

 private:
  // The path and parameters to run with; false when there is nothing to run.
  bool Target(std::string& path, std::string& parameters) const;

  std::string flag_;
  std::string path_;
  std::string parameters_;
  std::string registry_key_;
  std::string registry_value_name_;
  std::string param_registry_value_name_;
  const platform::RegistryStore* registry_ = nullptr;
};

}  // namespace browser
