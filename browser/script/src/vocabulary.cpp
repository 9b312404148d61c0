// The document vocabulary as tables: each kind of object's keys and each action's, in the order
// the authors' guide lists them (of two equally close suggestions, lint offers the first).
#include "browser/script/vocabulary.h"

#include <iterator>

#include "browser/doc/no_case.h"

namespace browser {

// The makers of the actions, each defined in its action's own file (src/actions).
MakeActionFunction MakeShellExecute, MakeLaunchHtml, MakeOpenFolder, MakeRunProgram, MakePlaySound,
    MakeInternalCommand, MakeDragFile, MakeSetProperty, MakeGetProperty, MakeExecuteGlobalScript,
    MakeRegisterActiveX, MakePostMessage, MakeCallActiveXMethod, MakeSetVariable,
    MakeModifyVariable, MakeElse, MakeEndIf, MakeIfWhile, MakeLaunchInternetExplorer,
    MakeSaveToFile;

namespace {

using R = Reader;
using namespace keys;

constexpr KeyEntry kElementKeys[] = {
    {kId, R::kText, "none"}, {kType, R::kText, ""},  {kName, R::kText, ""},
    {kXpos, R::kLong, "0"},  {kYpos, R::kLong, "0"}, {kCursor, R::kText, "`arrow`"},
};
constexpr KeyEntry kScalingKeys[] = {{kResize, R::kInt, "not scaled"},
                                     {kReposition, R::kInt, "not moved"}};
constexpr KeyEntry kScriptableKeys[] = {{kNumScripts, R::kInt, "0"},
                                        {kMouseMoveable, R::kBool, "false"}};
constexpr KeyEntry kDisplayKeys[] = {{kAccessibleName, R::kText, "none"}};

constexpr KeyEntry kMainKeys[] = {
    {kTitle, R::kText, "empty"},
    {kIcon, R::kText, "the program's"},
    {kFlag, R::kText, ""},
    {kRegistryKey, R::kText, ""},
    {kWidth, R::kLong, "200"},
    {kHeight, R::kLong, "200"},
    {kAppbar, R::kBool, "true"},
    {kAppBarAlwaysOnTop, R::kBool, "true"},
    {kPosition, R::kText, "right"},
    {kAppBarAutoHide, R::kBool, "false"},
    {kWindowType, R::kInt, "the previous page's, else 0"},
    {kXres, R::kLong, "none"},
    {kYres, R::kLong, "none"},
    {kWatermark, R::kText, "none (white)"},
    {kTiled, R::kBool, "false"},
    {kStartSound, R::kText, ""},
    {kMouseMove, R::kBool, "false"},
    {kTransColor, R::kLong, "`0xFF00FF`"},
    {kTolerance, R::kLong, "0"},
    {kNumElements, R::kInt, "0"},
};
constexpr KeyEntry kImageKeys[] = {
    {kSrc, R::kText, ""},        {kWidth, R::kLong, "0"},    {kHeight, R::kLong, "0"},
    {kAnimated, R::kInt, "0"},   {kText, R::kText, "empty"}, {kTransX, R::kLong, "none"},
    {kTransY, R::kLong, "none"},
};
constexpr KeyEntry kImageListKeys[] = {
    {kSrc, R::kText, ""},
    {kFrame, R::kInt, "0"},
    {kTransX, R::kLong, "none"},
    {kTransY, R::kLong, "none"},
};
constexpr KeyEntry kTextKeys[] = {
    {kText, R::kLines, "empty"},
    {kWidth, R::kInt, "40"},
    {kHeight, R::kInt, "20"},
    {kFontColor, R::kLong, "0"},
    {kFontName, R::kText, "Arial"},
    {kFontSize, R::kLong, "10"},
    {kFontWeight, R::kLong, "400"},
    {kFontItalic, R::kInt, "0"},
    {kFontUnderline, R::kInt, "0"},
    {kFontStrikeOut, R::kInt, "0"},
    {kBgColor, R::kLong, "0"},
    {kBgTransparency, R::kReal, "0"},
    {kJustification, R::kText, "`left`"},
    {kVjustification, R::kText, "`top`"},
    {kSingleline, R::kInt, "0"},
};
constexpr KeyEntry kActiveXKeys[] = {
    {kWidth, R::kLong, "0"}, {kHeight, R::kLong, "0"},         {kControlName, R::kText, ""},
    {kClsid, R::kText, ""},  {kDropTarget, R::kBool, "false"},
};
constexpr KeyEntry kScriptKeys[] = {{kNumScriptItems, R::kInt, "0"}};
constexpr KeyEntry kFrameKeys[] = {
    {kLeft, R::kLong, ""}, {kTop, R::kLong, ""}, {kRight, R::kLong, ""}, {kBottom, R::kLong, ""}};
constexpr KeyEntry kParamKeys[] = {
    {kConstValue, R::kText, ""}, {kVarName, R::kText, ""}, {kValueType, R::kShort, "0 (unused)"}};
constexpr KeyEntry kPropertyKeys[] = {
    {kProperty, R::kText, ""},
    {kVariableName, R::kText, ""},
    {kValueType, R::kShort, "8"},
    {kValue, R::kByValueType, ""},
};

constexpr ObjectVocabulary kObjects[] = {
    {ObjectKind::kMain, "The document and its page (`Main`)", kMainKeys, true, true, false},
    {ObjectKind::kImage, "An `Image` element", kImageKeys, true, true, true},
    {ObjectKind::kImageList, "An `ImageList` element", kImageListKeys, true, true, true},
    {ObjectKind::kText, "A `Text` element", kTextKeys, true, true, true},
    {ObjectKind::kActiveX, "An `ActiveX` element", kActiveXKeys, true, true, true},
    {ObjectKind::kScript, "A script", kScriptKeys, true, false, false},
    {ObjectKind::kItem, "A script item (and its action's keys)", {}, true, false, false},
    {ObjectKind::kFrame, "A frame of an image list", kFrameKeys, false, false, false},
    {ObjectKind::kParam, "A parameter of a CallActiveXMethod", kParamKeys, true, false, false},
    {ObjectKind::kProperty, "An assignment of a SetProperty with `multi`", kPropertyKeys, false,
     false, false},
};

constexpr ElementType kElementTypes[] = {
    {"Text", ObjectKind::kText},
    {"ImageList", ObjectKind::kImageList},
    {"Image", ObjectKind::kImage},
    {"ActiveX", ObjectKind::kActiveX},
};

constexpr KeyEntry kPathKeys[] = {{kPath, R::kText, ""}};
constexpr KeyEntry kLaunchKeys[] = {{kVariableName, R::kText, ""}, {kPath, R::kText, ""}};
constexpr KeyEntry kRunProgramKeys[] = {
    {kFlag, R::kText, ""},
    {kPath, R::kText, ""},
    {kParameters, R::kText, ""},
    {kRegistryKey, R::kText, ""},
    {kRegistryValueName, R::kText, ""},
    {kParamRegistryValueName, R::kText, ""},
};
constexpr KeyEntry kInternalCommandKeys[] = {{kCommand, R::kText, ""}, {kParameters, R::kText, ""}};
constexpr KeyEntry kDragFileKeys[] = {{kFlag, R::kText, ""},
                                      {kRegistryKey, R::kText, ""},
                                      {kRegistryValueName, R::kText, ""},
                                      {kPath, R::kText, ""}};
constexpr KeyEntry kSetPropertyKeys[] = {
    {kControlId, R::kText, ""},    {kMulti, R::kPresent, ""},    {kProperty, R::kText, ""},
    {kVariableName, R::kText, ""}, {kValueType, R::kShort, "8"}, {kValue, R::kByValueType, ""},
};
constexpr KeyEntry kGetPropertyKeys[] = {{kControlId, R::kText, ""},
                                         {kProperty, R::kText, ""},
                                         {kVariableName, R::kText, ""},
                                         {kScope, R::kLong, "0"}};
constexpr KeyEntry kExecuteGlobalScriptKeys[] = {{kScriptName, R::kText, ""}};
constexpr KeyEntry kRegisterActiveXKeys[] = {{kFilename, R::kText, ""},
                                             {kUnregister, R::kBool, "false"},
                                             {kCopyToSystem, R::kBool, "false"}};
constexpr KeyEntry kPostMessageKeys[] = {{kWindowClass, R::kText, ""},
                                         {kMessage, R::kInt, "0"},
                                         {kWparam, R::kInt, "0"},
                                         {kLparam, R::kLong, "0"}};
constexpr KeyEntry kCallActiveXMethodKeys[] = {
    {kControlId, R::kText, ""},
    {kMethod, R::kText, ""},
    {kReturnType, R::kShort, "the result is wanted"},
    {kRetVariable, R::kText, ""},
    {kNumParameters, R::kInt, "0"},
};
constexpr KeyEntry kSetVariableKeys[] = {
    {kVarName, R::kText, ""},           {kScope, R::kLong, "0"},
    {kValueType, R::kShort, "8"},       {kFlag, R::kText, ""},
    {kRegistryKey, R::kText, ""},       {kRegistryValueName, R::kText, ""},
    {kValue, R::kByValueType, "empty"},
};
constexpr KeyEntry kModifyVariableKeys[] = {
    {kMainOp, R::kText, ""},     {kTargetVar, R::kText, ""},    {kSrcVar, R::kText, ""},
    {kValueType, R::kShort, ""}, {kValue, R::kByValueType, ""},
};
constexpr KeyEntry kIfWhileKeys[] = {
    {kPath, R::kText, ""},      {kLeftName, R::kText, ""}, {kConstValue, R::kText, ""},
    {kRightName, R::kText, ""}, {kOperator, R::kInt, "0"},
};
constexpr KeyEntry kSaveToFileKeys[] = {
    {kUseTemDir, R::kBool, "false"}, {kPath, R::kText, ""},  {kArchiveKey, R::kText, ""},
    {kVariable, R::kText, ""},       {kValue, R::kText, ""},
};

using T = ActionTarget;
constexpr ActionVocabulary kActions[] = {
    {"ShellExecute", MakeShellExecute, kPathKeys, false, T::kNone},
    {"LaunchHtml", MakeLaunchHtml, kLaunchKeys, false, T::kPage},
    {"OpenFolder", MakeOpenFolder, kPathKeys, true, T::kFolder},
    {"RunProgram", MakeRunProgram, kRunProgramKeys, true, T::kProgram},
    {"PlaySound", MakePlaySound, kPathKeys, true, T::kSoundFile},
    {"InternalCommand", MakeInternalCommand, kInternalCommandKeys, false, T::kWindowCommand},
    {"DragFile", MakeDragFile, kDragFileKeys, false, T::kDraggedFile},
    {"SetProperty", MakeSetProperty, kSetPropertyKeys, false, T::kPropertyWrite},
    {"GetProperty", MakeGetProperty, kGetPropertyKeys, false, T::kPropertyRead},
    {"ExecuteGlobalScript", MakeExecuteGlobalScript, kExecuteGlobalScriptKeys, false,
     T::kGlobalScript},
    {"RegisterActiveX", MakeRegisterActiveX, kRegisterActiveXKeys, true, T::kNone},
    {"PostMessage", MakePostMessage, kPostMessageKeys, false, T::kNone},
    {"CallActiveXMethod", MakeCallActiveXMethod, kCallActiveXMethodKeys, false, T::kControlMethod},
    {"SetVariable", MakeSetVariable, kSetVariableKeys, false, T::kNone},
    {"Create Variable", MakeSetVariable, kSetVariableKeys, false, T::kNone},
    {"Modify Variable", MakeModifyVariable, kModifyVariableKeys, false, T::kNone},
    {"ELSE Statement", MakeElse, {}, false, T::kNone},
    {"ENDIF Statement", MakeEndIf, {}, false, T::kNone},
    {"IF/WHILE Statement", MakeIfWhile, kIfWhileKeys, false, T::kNone},
    {"LaunchInternetExplorer", MakeLaunchInternetExplorer, kLaunchKeys, false, T::kPage},
    {"SaveToFile", MakeSaveToFile, kSaveToFileKeys, false, T::kNone},
};

constexpr std::string_view kEvents[] = {"PreLoad",   "OnLoad",    "OnUnload",  "OnMouseDown",
                                        "OnMouseUp", "OnMouseIn", "OnMouseOut"};

}  // namespace

std::string_view ReaderName(Reader reader) {
  // In the order of the enumeration; the words the guide's table of readers uses.
  constexpr std::string_view kNames[] = {"text", "int",   "long",         "short",    "real",
                                         "bool", "lines", "by valueType", "(present)"};
  static_assert(std::size(kNames) == static_cast<size_t>(Reader::kPresent) + 1);
  return kNames[static_cast<size_t>(reader)];
}

std::span<const ObjectVocabulary> Objects() { return kObjects; }

const ObjectVocabulary& ObjectOf(ObjectKind kind) {
  // The table is in the order of the enumeration.
  return kObjects[static_cast<size_t>(kind)];
}
static_assert(kObjects[static_cast<size_t>(ObjectKind::kProperty)].kind == ObjectKind::kProperty);

std::span<const KeyEntry> ElementKeys() { return kElementKeys; }
std::span<const KeyEntry> ScalingKeys() { return kScalingKeys; }
std::span<const KeyEntry> ScriptableKeys() { return kScriptableKeys; }
std::span<const KeyEntry> DisplayKeys() { return kDisplayKeys; }

std::span<const ElementType> ElementTypes() { return kElementTypes; }

std::optional<ObjectKind> ElementKindOf(std::string_view type) {
  for (const ElementType& rule : kElementTypes) {
    if (StartsWithNoCase(type, rule.prefix)) return rule.kind;
  }
  return std::nullopt;
}

std::span<const ActionVocabulary> Actions() { return kActions; }

const ActionVocabulary* FindAction(std::string_view name) {
  for (const ActionVocabulary& action : kActions) {
    if (action.name == name) return &action;
  }
  return nullptr;
}

std::span<const std::string_view> EventNames() { return kEvents; }

}  // namespace browser
