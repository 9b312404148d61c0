// The action factory: the vocabulary names the action an item's type name makes (compared
// exactly); here each action gets its class.
#include "actions/block_actions.h"
#include "actions/call_activex_method_action.h"
#include "actions/drag_file_action.h"
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
#include "browser/script/script_item.h"
#include "browser/script/vocabulary.h"

namespace browser {
namespace {

template <typename T>
std::unique_ptr<CScriptItem> Make(std::string section, CElement* parent) {
  return std::make_unique<T>(std::move(section), parent);
}

}  // namespace

std::unique_ptr<CScriptItem> CreateScriptItem(std::string_view type_name, std::string section,
                                              CElement* parent) {
  const ActionVocabulary* action = FindAction(type_name);
  if (action == nullptr) return nullptr;
  switch (action->id) {
    case ActionId::kShellExecute:
      return Make<CShellExecuteAction>(std::move(section), parent);
    case ActionId::kLaunchHtml:
      return Make<CLaunchHtmlAction>(std::move(section), parent);
    case ActionId::kOpenFolder:
      return Make<COpenFolderAction>(std::move(section), parent);
    case ActionId::kRunProgram:
      return Make<CRunProgramAction>(std::move(section), parent);
    case ActionId::kPlaySound:
      return Make<CPlaySoundAction>(std::move(section), parent);
    case ActionId::kInternalCommand:
      return Make<CInternalCommandAction>(std::move(section), parent);
    case ActionId::kDragFile:
      return Make<CDragAction>(std::move(section), parent);
    case ActionId::kSetProperty:
      return Make<CSetPropertyAction>(std::move(section), parent);
    case ActionId::kGetProperty:
      return Make<CGetPropertyAction>(std::move(section), parent);
    case ActionId::kExecuteGlobalScript:
      return Make<CExecuteGlobalScriptAction>(std::move(section), parent);
    case ActionId::kRegisterActiveX:
      return Make<CRegisterActiveXAction>(std::move(section), parent);
    case ActionId::kPostMessage:
      return Make<CPostMessageAction>(std::move(section), parent);
    case ActionId::kCallActiveXMethod:
      return Make<CCallActiveXMethodAction>(std::move(section), parent);
    case ActionId::kSetVariable:
      return Make<CSetVariableAction>(std::move(section), parent);
    case ActionId::kModifyVariable:
      return Make<CModifyVariableAction>(std::move(section), parent);
    case ActionId::kElse:
      return Make<CElseAction>(std::move(section), parent);
    case ActionId::kEndIf:
      return Make<CEndIfAction>(std::move(section), parent);
    case ActionId::kIfWhile:
      return Make<CIfWhileAction>(std::move(section), parent);
    case ActionId::kLaunchInternetExplorer:
      return Make<CLaunchInternetExplorerAction>(std::move(section), parent);
    case ActionId::kSaveToFile:
      return Make<CSaveToFileAction>(std::move(section), parent);
  }
  return nullptr;
}

}  // namespace browser
