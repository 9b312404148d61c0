// The loaders and the vocabulary agree: every key the browser reads while it loads a document
// (the window, the page, its elements, their scripts, items and actions) is one the vocabulary
// lists for that kind of object, and every key the vocabulary lists is read by some loader.
#include "browser/script/vocabulary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "browser/page/main_wnd.h"
#include "browser/script/key_reader.h"
#include "page_test_support.h"
#include "platform/disk_file_system.h"
#include "platform/memory_file_system.h"
#include "platform/memory_registry.h"
#include "platform/registry.h"

namespace browser {
namespace {

struct Read {
  std::string section;
  std::string key;
};

class RecordingKeyLog : public KeyLog {
 public:
  void Read(std::string_view section, Key key) override {
    reads.push_back({std::string(section), std::string(key.name)});
  }
  std::vector<struct Read> reads;
};

// Every key and every branch of the loaders: type 3 reads its key colour, an app bar its
// edge, and each action that can take its value from the settings store once each way.
constexpr char kEveryKey[] = R"([Main]
title = Every key
icon = icon.png
flag = registry
registryKey = Software\Test
width = 300
height = 200
AppBar_AlwaysOnTop = true
Position = top
AppBar_AutoHide = false
windowType = 3
xres = 800
yres = 600
watermark = back.bmp
tiled = false
startSound = start.wav
mouseMove = true
transColor = 0xFF00FF
tolerance = 0
numElements = 4
numScripts = 1
resize = 1
reposition = 1
[Element_1]
type = Image
id = picture
src = picture.gif
width = 10
height = 10
animated = 0
text = Picture
transX = 0
transY = 0
[Element_2]
type = ImageList
id = strip
src = strip.bmp
frame = 0
transX = 0
transY = 0
[Element_2_Frame_0]
left = 0
top = 0
right = 10
bottom = 10
[Element_3]
type = Text
text = Hello
fontName = Arial
fontSize = 10
fontWeight = 400
fontItalic = 0
fontUnderline = 0
fontStrikeOut = 0
fontColor = 0
bgColor = 0
bgTransparency = 0
justification = left
vjustification = top
singleline = 1
[Element_4]
type = ActiveX
id = control
controlName = Panorel.TestControl
CLSID = {00000000-0000-0000-0000-000000000000}
dropTarget = true
[Script_1]
name = OnLoad
numScriptItems = 28
[Script_1_ScriptItem_1]
name = ShellExecute
path = a.txt
[Script_1_ScriptItem_2]
name = LaunchHtml
variableName = Page
path = page.htm
[Script_1_ScriptItem_3]
name = OpenFolder
path = folder
[Script_1_ScriptItem_4]
name = RunProgram
path = program
parameters = -x
[Script_1_ScriptItem_5]
name = RunProgram
flag = registry
registryKey = Software\Test
registryValueName = Program
paramRegistryValueName = Parameters
[Script_1_ScriptItem_6]
name = PlaySound
path = click.wav
[Script_1_ScriptItem_7]
name = InternalCommand
command = ChangePage
parameters = other.cdb
[Script_1_ScriptItem_8]
name = DragFile
path = file.pdf
[Script_1_ScriptItem_9]
name = DragFile
flag = registry
registryKey = Software\Test
registryValueName = File
[Script_1_ScriptItem_10]
name = SetProperty
controlId = picture
property = xpos
variableName = X
valueType = 3
value = 5
[Script_1_ScriptItem_11]
name = SetProperty
controlId = picture
multi = true
[Script_1_ScriptItem_11_Property_0]
property = ypos
variableName = Y
valueType = 3
value = 6
[Script_1_ScriptItem_12]
name = GetProperty
controlId = picture
property = xpos
variableName = X
scope = 0
[Script_1_ScriptItem_13]
name = ExecuteGlobalScript
scriptName = Other
[Script_1_ScriptItem_14]
name = RegisterActiveX
Filename = control.so
Unregister = false
CopyToSystem = false
[Script_1_ScriptItem_15]
name = PostMessage
WindowClass = VTRL_MAINWND
Message = 16
Wparam = 0
Lparam = 0
[Script_1_ScriptItem_16]
name = CallActiveXMethod
controlId = control
method = Run
returnType = 8
retVariable = R
numParameters = 1
[Script_1_ScriptItem_16_Param_0]
constValue = 1
varName = P
valueType = 8
[Script_1_ScriptItem_17]
name = SetVariable
varName = X
scope = 0
valueType = 3
value = 1
[Script_1_ScriptItem_18]
name = Create Variable
varName = Y
flag = registry
registryKey = Software\Test
registryValueName = Y
[Script_1_ScriptItem_19]
name = Modify Variable
mainOp = Plus
targetVar = X
srcVar = Y
valueType = 3
value = 1
[Script_1_ScriptItem_20]
name = IF/WHILE Statement
path = *.txt
[Script_1_ScriptItem_21]
name = ELSE Statement
[Script_1_ScriptItem_22]
name = ENDIF Statement
[Script_1_ScriptItem_23]
name = IF/WHILE Statement
leftName = X
rightName = Y
operator = 2
[Script_1_ScriptItem_24]
name = ENDIF Statement
[Script_1_ScriptItem_25]
name = LaunchInternetExplorer
variableName = Page
path = page.htm
[Script_1_ScriptItem_26]
name = SaveToFile
useTemDir = false
path = saved.ini
key = K
variable = X
value = V
[Script_1_ScriptItem_27]
name = SetVariable
varName = Z
flag = registry
registryKey = Software\Test
registryValueName = Z
[Script_1_ScriptItem_28]
name = Create Variable
varName = W
value = 1
)";

// The kind of object that reads `section`, by the name the loaders give it; none for a
// section no object reads.
std::optional<ObjectKind> KindOf(const CDataFile& file, const std::string& section) {
  static const std::regex kNumbered("(.*_)?(Property|Param|Frame|ScriptItem|Script)_[0-9]+");
  if (section == "Main") return ObjectKind::kMain;
  std::smatch match;
  if (std::regex_match(section, match, kNumbered)) {
    const std::string what = match[2];
    if (what == "Property") return ObjectKind::kProperty;
    if (what == "Param") return ObjectKind::kParam;
    if (what == "Frame") return ObjectKind::kFrame;
    if (what == "ScriptItem") return ObjectKind::kItem;
    return ObjectKind::kScript;
  }
  if (std::regex_match(section, std::regex("Element_[0-9]+"))) {
    std::string type;
    file.ReadString(section, "type", type);
    return ElementKindOf(type);
  }
  return std::nullopt;
}

bool Lists(std::span<const KeyEntry> keys, const std::string& name) {
  for (const KeyEntry& entry : keys) {
    if (entry.key.name == name) return true;
  }
  return false;
}

bool ListsForKind(ObjectKind kind, const std::string& name) {
  bool found = false;
  ForEachKey(kind, [&](const KeyEntry& entry) { found = found || entry.key.name == name; });
  return found;
}

// The documents lie in the source tree, on the disk.
std::string ReadText(const std::string& path) {
  platform::DiskFileSystem disk;
  std::string text, error;
  disk.ReadFile(path, CDataFile::kMaxTextFileBytes, &text, &error);
  return text;
}

class VocabularyTest : public ::testing::Test {
 protected:
  // Loads `text` as the window does and checks each key read against the vocabulary,
  // keeping what was read for the reverse check.
  void Load(const std::string& name, const std::string& text) {
    SCOPED_TRACE(name);
    testing::FakeWindow window;
    testing::FakePictures pictures;
    CIdManager ids;
    RecordingKeyLog log;
    // An empty settings store.
    const platform::MemoryRegistry registry;
    platform::MemoryFileSystem files;
    CMainWnd::Services services{window, files};
    services.pictures = &pictures;
    services.registry = &registry;
    services.key_log = &log;
    CMainWnd wnd(ids, std::move(services));
    CDataFile* file =
        wnd.container().Append(std::make_unique<CDataFile>(CDataFile::FromText(text)));
    ASSERT_TRUE(wnd.LoadDataFile(file, false, false));
    ASSERT_FALSE(log.reads.empty());
    for (const struct Read& read : log.reads) {
      // A loader looks for the next numbered section by reading a key of it.
      if (!file->FindSection(read.section)) continue;
      const std::optional<ObjectKind> kind = KindOf(*file, read.section);
      ASSERT_TRUE(kind.has_value()) << "[" << read.section << "] " << read.key;
      if (*kind == ObjectKind::kItem) {
        std::string type;
        file->ReadString(read.section, "name", type);
        const ActionVocabulary* action = FindAction(type);
        ASSERT_NE(action, nullptr) << read.section;
        if (Lists(action->keys, read.key)) {
          action_keys_read_.insert({std::string(action->name), read.key});
          continue;
        }
      }
      EXPECT_TRUE(ListsForKind(*kind, read.key))
          << "[" << read.section << "] reads '" << read.key << "', which the vocabulary "
          << "does not list for its kind of object";
      kind_keys_read_.insert({*kind, read.key});
    }
  }

  std::set<std::pair<ObjectKind, std::string>> kind_keys_read_;
  std::set<std::pair<std::string, std::string>> action_keys_read_;
};

TEST_F(VocabularyTest, TheLoadersReadExactlyTheKeysTheVocabularyLists) {
  Load("every key", kEveryKey);
  for (const auto& entry : std::filesystem::directory_iterator(DEMO_CD_FOLDER)) {
    if (entry.path().extension() == ".cdb") {
      Load(entry.path().filename().string(), ReadText(entry.path().string()));
    }
  }

  for (const ObjectVocabulary& object : Objects()) {
    ForEachKey(object.kind, [&](const KeyEntry& entry) {
      EXPECT_TRUE(kind_keys_read_.contains({object.kind, std::string(entry.key.name)}))
          << "no loader of '" << object.title << "' reads '" << entry.key.name << "'";
    });
  }
  for (const ActionVocabulary& action : Actions()) {
    for (const KeyEntry& entry : action.keys) {
      EXPECT_TRUE(
          action_keys_read_.contains({std::string(action.name), std::string(entry.key.name)}))
          << action.name << " does not read '" << entry.key.name << "'";
    }
  }
}

TEST(Vocabulary, ElementTypesMatchTheirStartInOrderWithoutRegardToCase) {
  EXPECT_EQ(ElementKindOf("textbox"), ObjectKind::kText);
  EXPECT_EQ(ElementKindOf("IMAGELIST2"), ObjectKind::kImageList);
  EXPECT_EQ(ElementKindOf("Image"), ObjectKind::kImage);
  EXPECT_EQ(ElementKindOf("activex"), ObjectKind::kActiveX);
  EXPECT_EQ(ElementKindOf("Pictures"), std::nullopt);
  EXPECT_EQ(ElementKindOf(""), std::nullopt);
}

}  // namespace
}  // namespace browser
