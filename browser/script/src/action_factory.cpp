// The action factory: an item's type name, compared exactly, picks its class.
#include <functional>

#include "actions/block_actions.h"
#include "actions/drag_file_action.h"
#include "actions/call_activex_method_action.h"
#include "actions/execute_global_script_action.h"
#include "actions/if_while_action.h"
#include "actions/internal_command_action.h"
#include "actions/launch_actions.h"
#include "actions/modify_variable_action.h"
#include "actions/path_actions.h"
#include "actions/post_message_action.h"
#include "actions/property_actions.h"
#include "actions/register_activex_action.h"
#include "actions/run_program_action.h"
#include "actions/save_to_file_action.h"
#include "actions/set_variable_action.h"
#include "browser/script/action_factory.h"

namespace browser {
namespace {

using Maker = std::unique_ptr<CScriptItem> (*)(std::string, CElement*);

template <typename T>
std::unique_ptr<CScriptItem> Make(std::string section, CElement* parent) {
  return std::make_unique<T>(std::move(section), parent);
}

struct ActionType {
  std::string_view name;
  Maker make;  // nullptr: a type documents use that creates no action
};

// In the order documents' type names are matched.
constexpr ActionType kActionTypes[] = {
    {"ShellExecute", &Make<CShellExecuteAction>},
    {"LaunchHtml", &Make<CLaunchHtmlAction>},
    {"OpenFolder", &Make<COpenFolderAction>},
    {"RunProgram", &Make<CRunProgramAction>},
    {"PlaySound", &Make<CPlaySoundAction>},
    {"InternalCommand", &Make<CInternalCommandAction>},
    {"DragFile", &Make<CDragAction>},
    {"SetProperty", &Make<CSetPropertyAction>},
    {"GetProperty", &Make<CGetPropertyAction>},
    {"ExecuteGlobalScript", &Make<CExecuteGlobalScriptAction>},
    {"RegisterActiveX", &Make<CRegisterActiveXAction>},
    {"PostMessage", &Make<CPostMessageAction>},
    {"CallActiveXMethod", &Make<CCallActiveXMethodAction>},
    {"SetVariable", &Make<CSetVariableAction>},
    {"Create Variable", &Make<CSetVariableAction>},
    {"Modify Variable", &Make<CModifyVariableAction>},
    {"ELSE Statement", &Make<CElseAction>},
    {"ENDIF Statement", &Make<CEndIfAction>},
    {"IF/WHILE Statement", &Make<CIfWhileAction>},
    {"LaunchInternetExplorer", &Make<CLaunchInternetExplorerAction>},
    {"SaveToFile", &Make<CSaveToFileAction>},
};

const ActionType* FindType(std::string_view name) {
  for (const ActionType& type : kActionTypes) {
    if (type.name == name) return &type;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<CScriptItem> CreateScriptItem(std::string_view type_name, std::string section,
                                              CElement* parent) {
  const ActionType* type = FindType(type_name);
  if (type == nullptr || type->make == nullptr) return nullptr;
  return type->make(std::move(section), parent);
}

ActionTypeStatus GetActionTypeStatus(std::string_view type_name) {
  const ActionType* type = FindType(type_name);
  if (type == nullptr) return ActionTypeStatus::kUnknown;
  return type->make ? ActionTypeStatus::kAction : ActionTypeStatus::kNoAction;
}

}  // namespace browser
