#include "lint_keys.h"

#include <map>

namespace cdztool {
namespace {

using Keys = std::vector<std::string>;

// Every object reads these; "resize" and "reposition" are read from any section by the
// resolution scaling.
Keys WithBase(Keys keys, bool scriptable) {
  for (const char* key : {"id", "type", "name", "xpos", "ypos", "cursor", "resize", "reposition"}) {
    keys.emplace_back(key);
  }
  if (scriptable) {
    keys.emplace_back("numScripts");
    keys.emplace_back("mouseMoveable");
  }
  return keys;
}

}  // namespace

const std::vector<std::string>& KindKeys(ObjectKind kind) {
  static const std::map<ObjectKind, Keys> kKeys = {
      {ObjectKind::kMain,
       WithBase({"title", "icon", "flag", "registryKey", "width", "height", "appbar",
                 "AppBar_AlwaysOnTop", "Position", "AppBar_AutoHide", "windowType", "xres",
                 "yres", "watermark", "tiled", "startSound", "mouseMove", "transColor",
                 "tolerance", "numElements"},
                true)},
      {ObjectKind::kImage,
       WithBase({"src", "width", "height", "animated", "text", "transX", "transY"}, true)},
      {ObjectKind::kImageList, WithBase({"src", "frame", "transX", "transY"}, true)},
      {ObjectKind::kText,
       WithBase({"text", "width", "height", "fontColor", "fontName", "fontSize", "fontWeight",
                 "fontItalic", "fontUnderline", "fontStrikeOut", "bgColor", "bgTransparency",
                 "justification", "vjustification", "singleline"},
                true)},
      {ObjectKind::kActiveX,
       WithBase({"width", "height", "controlName", "CLSID", "dropTarget"}, true)},
      {ObjectKind::kScript, WithBase({"numScriptItems"}, false)},
      {ObjectKind::kItem, WithBase({}, false)},
      {ObjectKind::kFrame, WithBase({"left", "top", "right", "bottom"}, false)},
      {ObjectKind::kParam, WithBase({"constValue", "varName", "valueType"}, false)},
      {ObjectKind::kProperty, {"property", "variableName", "valueType", "value", "resize",
                               "reposition"}},
  };
  return kKeys.at(kind);
}

const std::vector<std::string>& ActionKeys(std::string_view type_name) {
  static const Keys kPath = {"path"};
  static const Keys kLaunch = {"variableName", "path"};
  static const Keys kSetVariable = {"varName", "scope", "valueType", "flag", "registryKey",
                                    "registryValueName", "value"};
  static const std::map<std::string, Keys, std::less<>> kKeys = {
      {"ShellExecute", kPath},
      {"LaunchHtml", kLaunch},
      {"OpenFolder", kPath},
      {"RunProgram",
       {"flag", "path", "parameters", "registryKey", "registryValueName",
        "paramRegistryValueName"}},
      {"PlaySound", kPath},
      {"InternalCommand", {"command", "parameters"}},
      {"DragFile", {"flag", "registryKey", "registryValueName", "path"}},
      {"SetProperty", {"controlId", "multi", "property", "variableName", "valueType", "value"}},
      {"GetProperty", {"controlId", "property", "variableName", "scope"}},
      {"ExecuteGlobalScript", {"scriptName"}},
      {"RegisterActiveX", {"Filename", "Unregister", "CopyToSystem"}},
      {"PostMessage", {"WindowClass", "Message", "Wparam", "Lparam"}},
      {"CallActiveXMethod", {"controlId", "method", "returnType", "retVariable", "numParameters"}},
      {"SetVariable", kSetVariable},
      {"Create Variable", kSetVariable},
      {"Modify Variable", {"mainOp", "targetVar", "srcVar", "valueType", "value"}},
      {"ELSE Statement", {}},
      {"ENDIF Statement", {}},
      {"IF/WHILE Statement", {"path", "leftName", "constValue", "rightName", "operator"}},
      {"LaunchInternetExplorer", kLaunch},
      {"SaveToFile", {"useTemDir", "path", "key", "variable", "value"}},
  };
  static const Keys kNone;
  auto it = kKeys.find(type_name);
  return it == kKeys.end() ? kNone : it->second;
}

const std::vector<std::string>& ActionTypeNames() {
  static const Keys kNames = {
      "ShellExecute",      "LaunchHtml",      "OpenFolder",         "RunProgram",
      "PlaySound",         "InternalCommand", "DragFile",           "SetProperty",
      "GetProperty",       "ExecuteGlobalScript", "RegisterActiveX", "PostMessage",
      "CallActiveXMethod", "SetVariable",     "Create Variable",    "Modify Variable",
      "ELSE Statement",    "ENDIF Statement", "IF/WHILE Statement", "LaunchInternetExplorer",
      "SaveToFile"};
  return kNames;
}

const std::vector<std::string>& EventNames() {
  static const Keys kEvents = {"PreLoad",     "OnLoad",    "OnUnload", "OnMouseDown",
                               "OnMouseUp",   "OnMouseIn", "OnMouseOut"};
  return kEvents;
}

}  // namespace cdztool
