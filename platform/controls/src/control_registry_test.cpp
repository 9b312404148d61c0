// Finding controls by name among built-in classes and plug-in folders, and installing
// control libraries into the per-user folder.
#include "platform/control_registry.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/plugin_control_libraries.h"
#include "platform/test_control.h"

namespace platform {
namespace {

void EnsureApp() {
  static int argc = 1;
  static char name[] = "platform_controls_test";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qApp == nullptr) new QApplication(argc, argv);
}

TEST(ControlRegistry, NamesCompareWithoutCaseAndUnknownNamesMakeNothing) {
  EnsureApp();
  QWidget parent;
  ControlRegistry registry({}, {});
  AddTestControl(registry);
  EXPECT_TRUE(registry.Knows("PANOREL.TESTCONTROL.1"));
  EXPECT_TRUE(registry.Knows("{6f1c2b7e-3d4a-4e59-8b21-7c0a9e5d3f14}"));
  // A CLSID is named in braces.
  EXPECT_FALSE(registry.Knows("6F1C2B7E-3D4A-4E59-8B21-7C0A9E5D3F14"));
  EXPECT_FALSE(registry.Knows(""));
  EXPECT_EQ(registry.Create("No.Such.Control", &parent), nullptr);
  auto control = registry.Create("{6F1C2B7E-3D4A-4E59-8B21-7C0A9E5D3F14}", &parent);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->widget()->parentWidget(), &parent);
  control.reset();
  EXPECT_TRUE(parent.children().isEmpty());  // the control took its widget with it
}

TEST(ControlRegistry, ForeignLibrariesAreSkippedWithOneLineEach) {
  EnsureApp();
  QTemporaryDir dir;
  QFile junk(dir.filePath("libjunk.so"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("not a library");
  junk.close();
  QStringList lines;
  ControlRegistry registry({QStringLiteral(CORVANE_TEST_PLUGINS), dir.path()},
                           [&](const QString& line) { lines << line; });
  QWidget parent;
  EXPECT_FALSE(registry.Knows("Wrong.Version"));
  EXPECT_EQ(registry.Create("Wrong.Version", &parent), nullptr);
  ASSERT_EQ(lines.size(), 2) << lines.join('\n').toStdString();
  EXPECT_TRUE(lines[0].contains("wrong_version_plugin")) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].contains("libjunk.so"));
  // The folders are not read again while they stay as they are.
  registry.Knows("Wrong.Version");
  EXPECT_EQ(lines.size(), 2);
}

// The OpenGL driver is loaded for a control only when its library's metadata asks for it.
TEST(ControlRegistry, OnlyALibraryThatSaysSoDrawsThroughOpenGL) {
  EnsureApp();
  ControlRegistry registry({QStringLiteral(CORVANE_TEST_PLUGINS)}, {});
  AddTestControl(registry);
  EXPECT_TRUE(registry.DrawsThroughOpenGL("test.openglcontrol"));
  EXPECT_FALSE(registry.DrawsThroughOpenGL("Panorel.TestControl"));  // built in
  EXPECT_FALSE(registry.DrawsThroughOpenGL("Wrong.Version"));
  EXPECT_FALSE(registry.DrawsThroughOpenGL("No.Such.Control"));
}

TEST(PluginControlLibraries, RefusesWhatIsNoControlLibrary) {
  EnsureApp();
  QTemporaryDir dir;
  PluginControlLibraries libraries(dir.filePath("user").toStdString());
  std::string error;
  EXPECT_FALSE(libraries.Register(dir.filePath("missing.so").toStdString(), false, &error));
  EXPECT_NE(error.find("no such control library"), std::string::npos);
  const std::string wrong =
      QDir(CORVANE_TEST_PLUGINS).filePath("libwrong_version_plugin.so").toStdString();
  EXPECT_FALSE(libraries.Register(wrong, false, &error));
  EXPECT_NE(error.find("not a control library"), std::string::npos) << error;
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("user")));
}

TEST(PluginControlLibraries, UserFolder) {
  EXPECT_EQ(PluginControlLibraries::UserPluginFolder("/x/data", "/home/u"), "/x/data/panorel/controls");
  EXPECT_EQ(PluginControlLibraries::UserPluginFolder("", "/home/u"),
            "/home/u/.local/share/panorel/controls");
}

}  // namespace
}  // namespace platform
