#include "lint.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "browser/doc/data_file.h"

namespace cdztool {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A disk holding exactly the named files and programs.
class FakeFiles : public LintFiles {
 public:
  FakeFiles(std::set<std::string> files, std::set<std::string> programs = {})
      : files_(std::move(files)), programs_(std::move(programs)) {}
  bool Exists(const std::string& path) const override {
    return files_.contains(path) || programs_.contains(path);
  }
  bool IsProgram(const std::string& path) const override {
    if (programs_.contains(path)) return true;
    return path.size() > 4 && path.ends_with(".exe") &&
           programs_.contains(path.substr(0, path.size() - 4));
  }
  // Names ending in "/" are folders, names under /dev/ devices.
  Kind KindOf(const std::string& path) const override {
    if (files_.contains(path + "/")) return Kind::kFolder;
    if (path.starts_with("/cd/dev/") && files_.contains(path)) return Kind::kOther;
    return Exists(path) ? Kind::kFile : Kind::kMissing;
  }

 private:
  std::set<std::string> files_, programs_;
};

const FakeFiles kDisk({"/cd/page.bmp", "/cd/button.bmp", "/cd/click.wav", "/cd/docs",
                       "/cd/pages/index.htm", "/cd/photo.png", "/cd/photo.jpeg", "/cd/photo.JPG",
                       "/cd/logo.gif.png", "/cd/pictures/", "/cd/dev/fifo.bmp"},
                      {"/cd/programs/sizing"});

// The controls a build hosts: the web control's names.
class FakeControls : public LintControls {
 public:
  bool Provides(const std::string& name) const override {
    return name == "Shell.Explorer" || name == "{8856F961-340A-11D0-A96B-00C04FD705A2}";
  }
  std::string Where() const override { return "/opt/panorel/controls"; }
};
const FakeControls kControls;

std::vector<Finding> Lint(const std::string& text, const LintFiles* files = &kDisk) {
  browser::CDataFile file = browser::CDataFile::FromText(text);
  file.SetName("show.cdb");
  return LintDataFile(file, {"/cd/", {"show.cdb", "about.cdb"}, files, &kControls});
}

// "error [Section] key" for each finding: where it is, in the file's order.
std::vector<std::string> Places(const std::string& text, const LintFiles* files = &kDisk) {
  std::vector<std::string> places;
  for (const Finding& f : Lint(text, files)) {
    std::string place = f.level == Finding::Level::kError ? "error" : "warning";
    if (!f.section.empty()) place += " [" + f.section + "]";
    if (!f.key.empty()) place += " " + f.key;
    places.push_back(place);
  }
  return places;
}

// Every finding's message, one a line.
std::string Message(const std::string& text) {
  std::string messages;
  for (const Finding& f : Lint(text)) messages += f.message + "\n";
  return messages;
}

// A page with one hover button that starts a program: what a clean document looks like.
constexpr char kCleanPage[] = R"([Main]
title = Show
watermark = page.bmp
windowType = 3
numElements = 1
numScripts = 2
[Script_1]
name = preload
numScriptItems = 0
[Script_2]
name = OnLoad
numScriptItems = 4
[Script_2_ScriptItem_1]
name = IF/WHILE Statement
leftName = Started
operator = 1
[Script_2_ScriptItem_2]
name = ELSE Statement
[Script_2_ScriptItem_3]
name = SetVariable
varName = Started
valueType = 3
value = 1
[Script_2_ScriptItem_4]
name = ENDIF Statement
[Element_1]
type = imagelist
id = start
src = button.bmp
; a comment line, which nothing reads
numScripts = 2
[Element_1_Frame_0]
left = 0
top = 0
right = 100
bottom = 40
[Element_1_Frame_1]
left = 100
top = 0
right = 200
bottom = 40
[Element_1_Script_1]
name = OnMouseIn
numScriptItems = 2
[Element_1_Script_1_ScriptItem_1]
name = SetProperty
controlId = start
property = frame
valueType = 3
value = 1
[Element_1_Script_1_ScriptItem_2]
name = PlaySound
path = click.wav
[Element_1_Script_2]
name = OnMouseUp
numScriptItems = 3
[Element_1_Script_2_ScriptItem_1]
name = RunProgram
path = programs\sizing.exe
[Element_1_Script_2_ScriptItem_2]
name = LaunchHtml
path = |APPPATH|pages/index.htm
[Element_1_Script_2_ScriptItem_3]
name = InternalCommand
command = ChangePage
parameters = about.cdb
)";

// Replaces the first `from` of the clean page.
std::string Broken(const std::string& from, const std::string& to) {
  std::string text = kCleanPage;
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

TEST(LintTest, CleanPageHasNoFindings) { EXPECT_THAT(Places(kCleanPage), IsEmpty()); }

TEST(LintTest, EventNamesThatDifferOnlyInCaseNeverRun) {
  EXPECT_THAT(Places(Broken("name = OnMouseIn", "name = onmousein")),
              ElementsAre("error [Element_1_Script_1] name"));
  EXPECT_THAT(Message(Broken("name = OnLoad", "name = onload")),
              HasSubstr("the event is 'OnLoad'"));
  // PreLoad is found without regard to case, but only in the first three scripts of Main.
  EXPECT_THAT(Places(Broken("name = OnMouseIn", "name = PreLoad")),
              ElementsAre("error [Element_1_Script_1] name"));
  EXPECT_THAT(Places(Broken("numScripts = 2\n[Script_1]", "numScripts = 4\n[Script_1]") +
                     "[Script_3]\nname = Later\n[Script_4]\nname = PreLoad\n"),
              ElementsAre("error [Script_4] name"));
  // A name of one's own is a global script, not a slip.
  EXPECT_THAT(Places(Broken("name = OnMouseIn", "name = Highlight")), IsEmpty());
}

TEST(LintTest, ActionTypesThatMatchNoneNameTheClosest) {
  EXPECT_THAT(Places(Broken("name = RunProgram", "name = Runprogram")),
              ElementsAre("error [Element_1_Script_2_ScriptItem_1] name"));
  EXPECT_THAT(Message(Broken("name = RunProgram", "name = Runprogram")),
              HasSubstr("did you mean 'RunProgram'?"));
  EXPECT_THAT(Message(Broken("name = ENDIF Statement", "name = EndIf Statement")),
              HasSubstr("did you mean 'ENDIF Statement'?"));
  // The dropped ENDIF leaves its IF open.
  EXPECT_THAT(Places(Broken("name = ENDIF Statement", "name = EndIf Statement")),
              ElementsAre("error [Script_2_ScriptItem_1] name",
                          "error [Script_2_ScriptItem_4] name"));
  EXPECT_EQ(Closest("Blink", {"RunProgram", "PlaySound"}), "");
}

TEST(LintTest, UnbalancedBlocks) {
  EXPECT_THAT(Places(Broken("name = IF/WHILE Statement", "name = SetVariable")),
              ElementsAre("warning [Script_2_ScriptItem_1] leftName",
                          "warning [Script_2_ScriptItem_1] operator",
                          "error [Script_2_ScriptItem_2] name",
                          "warning [Script_2_ScriptItem_4] name"));
  EXPECT_THAT(Places(Broken("name = SetVariable\nvarName = Started",
                            "name = ELSE Statement\nvarName = Started")),
              ElementsAre("error [Script_2_ScriptItem_3] name",
                          "warning [Script_2_ScriptItem_3] varName",
                          "warning [Script_2_ScriptItem_3] valueType",
                          "warning [Script_2_ScriptItem_3] value"));
}

TEST(LintTest, CountsPastTheSectionsPresent) {
  EXPECT_THAT(Places(Broken("numElements = 1", "numElements = 2")),
              ElementsAre("error [Main] numElements"));
  EXPECT_THAT(Places(Broken("numScripts = 2\n[Script_1]", "numScripts = 3\n[Script_1]")),
              ElementsAre("error [Main] numScripts"));
  EXPECT_THAT(Message(Broken("numScriptItems = 3", "numScriptItems = 5")),
              HasSubstr("no [Element_1_Script_2_ScriptItem_4]"));
  // Sections past a count are read by nobody.
  EXPECT_THAT(Places(Broken("numScriptItems = 3", "numScriptItems = 2")),
              ElementsAre("warning [Element_1_Script_2_ScriptItem_3]"));
}

TEST(LintTest, IdsThatNoElementHasOrThatRepeat) {
  EXPECT_THAT(Places(Broken("controlId = start", "controlId = stat")),
              ElementsAre("error [Element_1_Script_1_ScriptItem_1] controlId"));
  const std::string twice = Broken("numElements = 1", "numElements = 2") +
                            "[Element_2]\ntype = Text\nid = start\n";
  EXPECT_THAT(Places(twice), ElementsAre("error [Element_2] id"));
}

TEST(LintTest, FilesThatDoNotExistBesideTheDocument) {
  EXPECT_THAT(Places(Broken("page.bmp", "pages.bmp")), ElementsAre("error [Main] watermark"));
  EXPECT_THAT(Message(Broken("src = button.bmp", "src = Button.bmp")),
              HasSubstr("(/cd/Button.bmp)"));
  EXPECT_THAT(Places(Broken("path = click.wav", "path = sounds\\click.wav")),
              ElementsAre("error [Element_1_Script_1_ScriptItem_2] path"));
  EXPECT_THAT(Places(Broken("sizing.exe", "exhaust.exe")),
              ElementsAre("error [Element_1_Script_2_ScriptItem_1] path"));
  EXPECT_THAT(Places(Broken("pages/index.htm", "pages/home.htm")),
              ElementsAre("error [Element_1_Script_2_ScriptItem_2] path"));
  // Web addresses and pictures of an unknown disk are not looked for.
  EXPECT_THAT(Places(Broken("|APPPATH|pages/index.htm", "https://example.com/")), IsEmpty());
  EXPECT_THAT(Places(Broken("page.bmp", "pages.bmp"), nullptr), IsEmpty());
}

// Only ".gif" (any case) and ".jpg" (lower case, image elements only) choose a reader; every
// other name is read as a Windows bitmap, and a PNG or a JPEG so named draws as a push button.
TEST(LintTest, PicturesNamedForAReaderThatIsNotTheirs) {
  const std::string image = Broken("numElements = 1", "numElements = 2") +
                            "[Element_2]\ntype = Image\nsrc = photo.png\n";
  EXPECT_THAT(Places(image), ElementsAre("warning [Element_2] src"));
  EXPECT_THAT(Message(image), HasSubstr("'photo.png' is read as a Windows bitmap"));
  auto with_src = [&](const std::string& src) {
    std::string text = image;
    return text.replace(text.find("photo.png"), 9, src);
  };
  EXPECT_THAT(Places(with_src("photo.jpeg")), ElementsAre("warning [Element_2] src"));
  EXPECT_THAT(Places(with_src("photo.JPG")), ElementsAre("warning [Element_2] src"));
  EXPECT_THAT(Places(with_src("logo.gif.png")), IsEmpty());  // ".gif" anywhere is a GIF
  EXPECT_THAT(Places(with_src("page.bmp")), IsEmpty());
  // An animated image plays its file as a GIF whatever the name.
  EXPECT_THAT(Places(with_src("photo.png\nanimated = 1")), IsEmpty());
  // Neither a watermark nor an image list reads JPEG.
  EXPECT_THAT(Places(Broken("watermark = page.bmp", "watermark = photo.jpeg")),
              ElementsAre("warning [Main] watermark"));
  EXPECT_THAT(Places(Broken("src = button.bmp", "src = photo.jpeg")),
              ElementsAre("warning [Element_1] src"));
}

TEST(LintTest, PicturesThatAreNoFile) {
  EXPECT_THAT(Places(Broken("watermark = page.bmp", "watermark = pictures")),
              ElementsAre("warning [Main] watermark", "warning [Main] watermark"));
  EXPECT_THAT(Message(Broken("watermark = page.bmp", "watermark = pictures")),
              HasSubstr("is a folder, not a picture"));
  EXPECT_THAT(Places(Broken("src = button.bmp", "src = dev/fifo.bmp")),
              ElementsAre("warning [Element_1] src"));
  EXPECT_THAT(Message(Broken("src = button.bmp", "src = dev/fifo.bmp")),
              HasSubstr("is a device, pipe or socket"));
  EXPECT_THAT(Places(Broken("title = Show", "title = Show\nicon = dev/fifo.bmp")),
              ElementsAre("warning [Main] icon"));
  EXPECT_THAT(Places(Broken("title = Show", "title = Show\nicon = page.bmp")), IsEmpty());
}

// A relative dragged path is found from the document's folder: one that names no file there
// is warned about.
TEST(LintTest, RelativeDragOutPaths) {
  const std::string drag = Broken("name = PlaySound\npath = click.wav",
                                  "name = DragFile\npath = brochures/report.pdf");
  EXPECT_THAT(Places(drag), ElementsAre("warning [Element_1_Script_1_ScriptItem_2] path"));
  EXPECT_THAT(Message(drag), HasSubstr("names no file in the document's folder"));
  EXPECT_THAT(Places(Broken("name = PlaySound\npath = click.wav",
                            "name = DragFile\npath = click.wav")),
              IsEmpty());
  auto with_path = [&](const std::string& path) {
    std::string text = drag;
    return text.replace(text.find("brochures/report.pdf"), 20, path);
  };
  EXPECT_THAT(Places(with_path("/media/cd/brochures/report.pdf")), IsEmpty());
  EXPECT_THAT(Places(with_path("D:\\brochures\\report.pdf")), IsEmpty());
  EXPECT_THAT(Places(with_path("brochures/report.pdf\nflag = registry\nregistryKey = K\n"
                               "registryValueName = V")),
              IsEmpty());
}

TEST(LintTest, ControlsThatNoPlugInProvides) {
  const std::string control = Broken("numElements = 1", "numElements = 2") +
                              "[Element_2]\ntype = ActiveX\ncontrolName = Shell.Explorer\n";
  EXPECT_THAT(Places(control), IsEmpty());
  auto with = [&](const std::string& keys) {
    std::string text = control;
    return text.replace(text.find("controlName = Shell.Explorer"), 28, keys);
  };
  EXPECT_THAT(Places(with("controlName = Corvane.Missing")),
              ElementsAre("warning [Element_2] controlName"));
  EXPECT_THAT(Message(with("controlName = Corvane.Missing")),
              HasSubstr("no plug-in provides the control 'Corvane.Missing' (looked in "
                        "/opt/panorel/controls)"));
  // The CLSID wins over the name.
  EXPECT_THAT(Places(with("controlName = Shell.Explorer\nCLSID = {00000000-0000-0000-0000-000000000000}")),
              ElementsAre("warning [Element_2] CLSID"));
  EXPECT_THAT(Places(with("controlName = Corvane.Missing\nCLSID = {8856F961-340A-11D0-A96B-00C04FD705A2}")),
              IsEmpty());
  // Without a list of controls nothing is said about them.
  browser::CDataFile file = browser::CDataFile::FromText(with("controlName = Corvane.Missing"));
  EXPECT_THAT(LintDataFile(file, {"/cd/", {}, &kDisk, nullptr}), IsEmpty());
}

TEST(LintTest, ImageListFramesOutOfRange) {
  EXPECT_THAT(Places(Broken("src = button.bmp", "src = button.bmp\nframe = 2")),
              ElementsAre("error [Element_1] frame"));
  EXPECT_THAT(Places(Broken("property = frame\nvalueType = 3\nvalue = 1",
                            "property = frame\nvalueType = 3\nvalue = 2")),
              ElementsAre("error [Element_1_Script_1_ScriptItem_1] value"));
  // A frame without its bottom ends the list there: the next frame is read by nobody, and
  // no frame is left to light up.
  EXPECT_THAT(Places(Broken("right = 100\nbottom = 40", "right = 100")),
              ElementsAre("error [Element_1]", "warning [Element_1_Frame_0]",
                          "warning [Element_1_Frame_1]",
                          "error [Element_1_Script_1_ScriptItem_1] value"));
}

TEST(LintTest, KeysAndLinesThatNothingReads) {
  EXPECT_THAT(Places(Broken("windowType = 3", "windowtype = 3")), IsEmpty());
  EXPECT_THAT(Places(Broken("windowType = 3", "windowTipe = 3")),
              ElementsAre("warning [Main] windowTipe"));
  EXPECT_THAT(Message(Broken("windowType = 3", "windowTipe = 3")),
              HasSubstr("did you mean 'windowType'?"));
  EXPECT_THAT(Places(Broken("windowType = 3", "windowType=3")), ElementsAre("warning [Main]"));
  EXPECT_THAT(Places(Broken("title = Show", "title = Show\nTitle = Other")),
              ElementsAre("warning [Main] Title"));
  EXPECT_THAT(Places(std::string(kCleanPage) + "[Script_2]\nname = OnLoad\n"),
              ElementsAre("warning [Script_2]"));
  EXPECT_THAT(Places(Broken("type = imagelist", "type = Picture")),
              ElementsAre("error [Element_1] type", "warning [Element_1_Frame_0]",
                          "warning [Element_1_Frame_1]", "warning [Element_1_Script_1]",
                          "warning [Element_1_Script_1_ScriptItem_1]",
                          "warning [Element_1_Script_1_ScriptItem_2]",
                          "warning [Element_1_Script_2]",
                          "warning [Element_1_Script_2_ScriptItem_1]",
                          "warning [Element_1_Script_2_ScriptItem_2]",
                          "warning [Element_1_Script_2_ScriptItem_3]"));
}

// Every element of the page may name itself for screen readers; scripts may not.
TEST(LintTest, ElementsHaveAnAccessibleName) {
  EXPECT_THAT(Places(Broken("id = start\n", "id = start\naccessibleName = Start\n")), IsEmpty());
  EXPECT_THAT(Places(Broken("name = OnMouseIn\n", "name = OnMouseIn\naccessibleName = In\n")),
              ElementsAre("warning [Element_1_Script_1] accessibleName"));
}

// A frame is four numbers and its scaling: an id, a name or a position in its section is
// read by nobody.
TEST(LintTest, FramesReadOnlyTheirRectangle) {
  EXPECT_THAT(Places(Broken("left = 0\ntop = 0\nright = 100",
                            "left = 0\ntop = 0\nresize = 1\nid = first\nxpos = 3\nright = 100")),
              ElementsAre("warning [Element_1_Frame_0] id", "warning [Element_1_Frame_0] xpos"));
}

TEST(LintTest, InternalCommands) {
  EXPECT_THAT(Message(Broken("command = ChangePage", "command = Exit")), "");
  EXPECT_THAT(Message(Broken("command = ChangePage", "command = exit")),
              HasSubstr("'Exit' is compared exactly"));
  EXPECT_THAT(Places(Broken("command = ChangePage", "command = nextpage")), IsEmpty());
  EXPECT_THAT(Message(Broken("command = ChangePage", "command = Minimise")),
              HasSubstr("did you mean 'Minimize'?"));
  EXPECT_THAT(Places(Broken("parameters = about.cdb", "parameters = help.cdb")),
              ElementsAre("error [Element_1_Script_2_ScriptItem_3] parameters"));
  // A member is found by its name with ".cdb", whatever the name's own extension.
  EXPECT_THAT(Places(Broken("parameters = about.cdb", "parameters = ABOUT.cdz")), IsEmpty());
}

TEST(LintTest, GlobalScriptsAreFoundOnThePage) {
  const std::string call =
      Broken("[Element_1_Script_2_ScriptItem_3]\nname = InternalCommand\ncommand = ChangePage\n"
             "parameters = about.cdb",
             "[Element_1_Script_2_ScriptItem_3]\nname = ExecuteGlobalScript\nscriptName = OnLoad");
  EXPECT_THAT(Places(call), IsEmpty());
  std::string misspelt = call;
  misspelt.replace(misspelt.find("scriptName = OnLoad"), 19, "scriptName = Onload");
  EXPECT_THAT(Places(misspelt), ElementsAre("error [Element_1_Script_2_ScriptItem_3] scriptName"));
}

}  // namespace
}  // namespace cdztool
