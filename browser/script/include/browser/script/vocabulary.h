// The document vocabulary: the kinds of objects a data file describes, the element types and
// the rule that picks one, every key each object reads (how its value is read and what a
// missing key means), the actions by their type names with their own keys, and the events
// the browser fires by name. The loaders read their keys through it, the action factory makes
// each item through its action's row, `cdztool lint` checks documents against it, and the
// authors' guide's key reference is printed from it.
//
// A new key: its name below, an entry in its object's or action's table (vocabulary.cpp), the
// loader's read through KeyReader, and the guide's reference printed again (`cdztool
// vocabulary`). A new action touches:
//  - its own file under src/actions: the class, which reads its keys in ReadKeys, and its
//    maker, named Make and the type name (MakePlaySound);
//  - its row in vocabulary.cpp: type name, maker, keys, whether it resolves paths and what
//    its keys name (ActionTarget, for lint), and the maker's name in the list above the table;
//  - when it reaches the machine, one request type in system_request.h and its performer.
// The tests fail until the loaders, the table and the guide agree.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace browser {

// A key's name as documents spell it; keys compare without regard to case.
struct Key {
  std::string_view name;
};

// The keys the loaders read, each named once.
namespace keys {
inline constexpr Key kId{"id"}, kType{"type"}, kName{"name"}, kXpos{"xpos"}, kYpos{"ypos"},
    kCursor{"cursor"}, kResize{"resize"}, kReposition{"reposition"}, kNumScripts{"numScripts"},
    kMouseMoveable{"mouseMoveable"}, kAccessibleName{"accessibleName"};
// The document and its page.
inline constexpr Key kTitle{"title"}, kIcon{"icon"}, kFlag{"flag"}, kRegistryKey{"registryKey"},
    kWidth{"width"}, kHeight{"height"}, kAppbar{"appbar"}, kAppBarAlwaysOnTop{"AppBar_AlwaysOnTop"},
    kPosition{"Position"}, kAppBarAutoHide{"AppBar_AutoHide"}, kWindowType{"windowType"},
    kXres{"xres"}, kYres{"yres"}, kWatermark{"watermark"}, kTiled{"tiled"},
    kStartSound{"startSound"}, kMouseMove{"mouseMove"}, kTransColor{"transColor"},
    kTolerance{"tolerance"}, kNumElements{"numElements"};
// Elements.
inline constexpr Key kSrc{"src"}, kAnimated{"animated"}, kText{"text"}, kTransX{"transX"},
    kTransY{"transY"}, kFrame{"frame"}, kFontColor{"fontColor"}, kFontName{"fontName"},
    kFontSize{"fontSize"}, kFontWeight{"fontWeight"}, kFontItalic{"fontItalic"},
    kFontUnderline{"fontUnderline"}, kFontStrikeOut{"fontStrikeOut"}, kBgColor{"bgColor"},
    kBgTransparency{"bgTransparency"}, kJustification{"justification"},
    kVjustification{"vjustification"}, kSingleline{"singleline"}, kControlName{"controlName"},
    kClsid{"CLSID"}, kDropTarget{"dropTarget"}, kLeft{"left"}, kTop{"top"}, kRight{"right"},
    kBottom{"bottom"};
// Scripts and actions.
inline constexpr Key kNumScriptItems{"numScriptItems"}, kPath{"path"},
    kVariableName{"variableName"}, kParameters{"parameters"},
    kRegistryValueName{"registryValueName"}, kParamRegistryValueName{"paramRegistryValueName"},
    kCommand{"command"}, kControlId{"controlId"}, kMulti{"multi"}, kProperty{"property"},
    kValueType{"valueType"}, kValue{"value"}, kScope{"scope"}, kScriptName{"scriptName"},
    kFilename{"Filename"}, kUnregister{"Unregister"}, kCopyToSystem{"CopyToSystem"},
    kWindowClass{"WindowClass"}, kMessage{"Message"}, kWparam{"Wparam"}, kLparam{"Lparam"},
    kMethod{"method"}, kReturnType{"returnType"}, kRetVariable{"retVariable"},
    kNumParameters{"numParameters"}, kVarName{"varName"}, kMainOp{"mainOp"},
    kTargetVar{"targetVar"}, kSrcVar{"srcVar"}, kLeftName{"leftName"}, kConstValue{"constValue"},
    kRightName{"rightName"}, kOperator{"operator"}, kUseTemDir{"useTemDir"}, kArchiveKey{"key"},
    kVariable{"variable"};
}  // namespace keys

// How a value is read (CDataFile's readers).
enum class Reader {
  kText,         // as written
  kInt,          // decimal
  kLong,         // 0x hexadecimal, leading 0 octal
  kShort,        // decimal, 16 bits
  kReal,         // a decimal number
  kBool,         // contains "true"
  kLines,        // "|" starts a new line
  kByValueType,  // a value of the type the section's valueType names
  kPresent,      // only whether the key is there
};
std::string_view ReaderName(Reader reader);

struct KeyEntry {
  Key key;
  Reader reader;
  std::string_view missing;  // what a missing key means, for the guide ("" when nothing)
};

enum class ObjectKind {
  kMain,  // the document's globals and its page
  kImage,
  kImageList,
  kText,
  kActiveX,
  kScript,
  kItem,      // a script item; its action's own keys are the action's
  kFrame,     // a frame of an image list
  kParam,     // a parameter of a control method call
  kProperty,  // one assignment of a multi-property SetProperty
};

struct ObjectVocabulary {
  ObjectKind kind;
  std::string_view title;  // "The document and its page (`Main`)", for the guide
  std::span<const KeyEntry> own;
  bool element;     // an object of the model (not a frame or an assignment): reads ElementKeys()
  bool scriptable;  // has scripts: reads ScriptableKeys() too
  bool display;     // an element of the page: reads DisplayKeys() too
};
// Every kind of object, in the order of ObjectKind.
std::span<const ObjectVocabulary> Objects();
const ObjectVocabulary& ObjectOf(ObjectKind kind);
// The groups of keys several kinds share: every object of the model, every section the
// screen-size scaling looks at (all of them), every object with scripts, every element of the
// page.
std::span<const KeyEntry> ElementKeys();
std::span<const KeyEntry> ScalingKeys();
std::span<const KeyEntry> ScriptableKeys();
std::span<const KeyEntry> DisplayKeys();
// Calls `visit` with every key `kind` reads: its own, then the element keys, the scaling keys,
// the scriptable keys and the display keys it shares, in that order.
template <typename Visit>
void ForEachKey(ObjectKind kind, Visit&& visit) {
  const ObjectVocabulary& object = ObjectOf(kind);
  for (const KeyEntry& entry : object.own) visit(entry);
  if (object.element) {
    for (const KeyEntry& entry : ElementKeys()) visit(entry);
  }
  for (const KeyEntry& entry : ScalingKeys()) visit(entry);
  if (object.scriptable) {
    for (const KeyEntry& entry : ScriptableKeys()) visit(entry);
  }
  if (object.display) {
    for (const KeyEntry& entry : DisplayKeys()) visit(entry);
  }
}

// An element's `type` picks its kind by a case-blind match at its start, the first rule in
// this order that matches ("ImageList" before "Image").
struct ElementType {
  std::string_view prefix;
  ObjectKind kind;
};
std::span<const ElementType> ElementTypes();
// The kind `type` creates; none for a type that creates no element.
std::optional<ObjectKind> ElementKindOf(std::string_view type);

class CElement;
class CScriptItem;

// Makes an item's action for its section; each action's maker is defined in its own file.
using MakeActionFunction = std::unique_ptr<CScriptItem>(std::string section, CElement* parent);

// What an action's keys name outside its own section, which `cdztool lint` checks and the page
// looks for.
enum class ActionTarget {
  kNone,
  kSoundFile,      // "path", resolved
  kFolder,         // "path", resolved
  kProgram,        // "path", resolved, unless "flag" is "registry": a program to start
  kPage,           // "path", unless "variableName" names the address
  kDraggedFile,    // "path", as written, unless "flag" is "registry"
  kPropertyRead,   // "property" of the element "controlId"
  kPropertyWrite,  // "property" of the element "controlId", or with "multi" the numbered ones
  kControlMethod,  // a method of the control "controlId", its "numParameters" sections
  kWindowCommand,  // "command" for the window that shows the document
  kGlobalScript,   // "scriptName", a script of the main page
};

struct ActionVocabulary {
  std::string_view name;           // the item's `name`, compared exactly
  MakeActionFunction* make;        // two names may make one action
  std::span<const KeyEntry> keys;  // the action's own keys, besides the item's
  bool resolves_paths;             // its path is taken relative to the document's folder
  ActionTarget target;
};
// Every action type, in the order documents' type names are matched.
std::span<const ActionVocabulary> Actions();
// The action named `name` (compared exactly); none for a name that is no action.
const ActionVocabulary* FindAction(std::string_view name);

// The events the browser fires by name.
std::span<const std::string_view> EventNames();

}  // namespace browser
