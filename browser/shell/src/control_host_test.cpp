// The window's hosted controls on the offscreen platform: made by name as children at their
// bounds, empty children for unknown names, moved and destroyed by id.
#include "browser/shell/control_host.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <set>

#include "browser/shell/control_fallback.h"

class QOpenGLContext;
QOpenGLContext* qt_gl_global_share_context();

namespace browser::shell {
namespace {


TEST(ControlHost, ChildrenAtTheirBoundsScriptableWhenAClassAnswers) {
  QWidget window;
  QStringList skipped;
  ControlHost host(&window, {}, [&](const QString& line) { skipped << line; });
  const uint64_t known = host.Create("Panorel.TestControl", {10, 20, 110, 70}, true);
  const uint64_t unknown = host.Create("No.Such.Control", {0, 0, 5, 5}, false);
  ASSERT_NE(known, 0u);
  ASSERT_NE(unknown, 0u);
  EXPECT_NE(known, unknown);
  ASSERT_NE(host.Object(known), nullptr);
  EXPECT_EQ(host.Object(unknown), nullptr);  // an empty child, nothing to script
  EXPECT_EQ(host.Object(0), nullptr);
  EXPECT_EQ(window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 2);

  auto* widget = window.findChild<QWidget*>("Panorel.TestControl");
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget->geometry(), QRect(10, 20, 100, 50));
  EXPECT_TRUE(widget->acceptDrops());
  host.Move(known, {30, 40, 60, 50});
  EXPECT_EQ(widget->geometry(), QRect(30, 40, 30, 10));
  host.Move(999, {0, 0, 1, 1});  // harmless

  host.Destroy(known);
  host.Destroy(known);
  host.Destroy(0);
  EXPECT_EQ(host.Object(known), nullptr);
  EXPECT_EQ(window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 1);
  EXPECT_TRUE(skipped.isEmpty());
}

// A control that cannot be made leaves a panel naming it in its rectangle and is told once,
// whether no class answers the name or its class refuses to start.
TEST(ControlHost, AControlThatCannotBeMadeShowsAPanelNamingItAndIsToldOnce) {
  QWidget window;
  std::vector<std::pair<std::string, std::string>> told;
  ControlHost host(&window, {}, {}, [&](const std::string& name, const std::string& why) {
    told.emplace_back(name, why);
  });
  host.registry().AddBuiltIn({"Refusing.Control"}, [](const QString&, QWidget*) {
    return static_cast<QWidget*>(nullptr);
  });
  const uint64_t missing = host.Create("No.Such.Control", {10, 10, 170, 70}, false);
  const uint64_t refused = host.Create("Refusing.Control", {0, 80, 160, 140}, false);
  host.Create("Panorel.TestControl", {0, 0, 5, 5}, false);
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(told[0].first, "No.Such.Control");
  EXPECT_EQ(told[1].first, "Refusing.Control");
  EXPECT_NE(told[0].second, told[1].second);  // the two reasons are told apart
  EXPECT_EQ(host.Object(missing), nullptr);
  EXPECT_EQ(host.Object(refused), nullptr);

  auto* panel = window.findChild<ControlFallback*>("No.Such.Control");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->geometry(), QRect(10, 10, 160, 60));
  EXPECT_TRUE(panel->Caption().contains("No.Such.Control"));
  ASSERT_NE(window.findChild<ControlFallback*>("Refusing.Control"), nullptr);
  // Visible: a frame and a text, not one flat colour.
  const QImage drawn = panel->grab().toImage();
  std::set<QRgb> colours;
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) colours.insert(drawn.pixel(x, y));
  }
  EXPECT_GE(colours.size(), 3u);
  host.Move(missing, {0, 0, 50, 50});
  EXPECT_EQ(panel->geometry(), QRect(0, 0, 50, 50));
}

// The OpenGL driver (tens of megabytes resident) is loaded for a plug-in control only when
// its library says it draws through OpenGL: a page hosting a plain plug-in control does
// without it.
TEST(ControlHost, TheSharedOpenGLContextIsMadeOnlyForALibraryThatDrawsThroughIt) {
  QWidget window;
  ControlHost host(&window,
                   {QFileInfo(CORVANE_SAMPLE_CONTROL).absolutePath(),
                    QStringLiteral(CORVANE_OPENGL_CONTROL_DIR)},
                   {});
  ASSERT_NE(host.Object(host.Create("Corvane.SampleControl", {0, 0, 50, 50}, false)), nullptr);
  EXPECT_EQ(qt_gl_global_share_context(), nullptr);
  ASSERT_NE(host.Object(host.Create("Test.OpenGlControl", {0, 0, 50, 50}, false)), nullptr);
  EXPECT_NE(qt_gl_global_share_context(), nullptr);
}

TEST(ControlHost, NoWebWindowWithoutTheWebControl) {
  QWidget window;
  ControlHost host(&window, {}, {});
  EXPECT_FALSE(host.OpenWebWindow("/tmp/a.htm"));
}

// The machine's services as the trace sees them: each request's line.
class LineServices : public SystemServices {
 public:
  bool Perform(const SystemRequest& request) override {
    lines.push_back(Line(request));
    return true;
  }
  std::vector<std::string> lines;
};

// A drag is the window's: told before it starts and when it ends, dropped or cancelled; a
// web window the program does not have is told and answered false; the rest reaches the
// machine.
TEST(HostedSystemServices, DragsAndWebWindowsAreTheWindowsTheRestTheMachines) {
  QWidget window;
  ControlHost host(&window, {}, {});
  LineServices machine;
  std::vector<std::string> dragged;
  bool drop = false;
  HostedSystemServices hosted(machine, host, [&](const request::DragFile& drag) {
    dragged.push_back(drag.path + " " + std::to_string(drag.effects));
    return drop;
  });
  const uint32_t copy_or_link = request::kDropEffectCopy | request::kDropEffectLink;
  EXPECT_FALSE(hosted.Perform(request::DragFile{"/cd/a.pdf", copy_or_link}));
  drop = true;
  EXPECT_TRUE(hosted.Perform(request::DragFile{"b.pdf", copy_or_link}));
  EXPECT_FALSE(hosted.Perform(request::OpenWebWindow{"/cd/a.htm"}));
  EXPECT_TRUE(hosted.Perform(request::RunProgram{"/cd/setup", "/s"}));
  EXPECT_EQ(dragged, (std::vector<std::string>{"/cd/a.pdf 5", "b.pdf 5"}));
  EXPECT_EQ(machine.lines,
            (std::vector<std::string>{"drag: /cd/a.pdf", "drag end: cancelled /cd/a.pdf",
                                      "drag: b.pdf", "drag end: dropped b.pdf",
                                      "web window: /cd/a.htm", "run: /cd/setup /s"}));
}

TEST(ControlHost, PluginFoldersBesideTheProgramThenTheUsers) {
  EXPECT_EQ(ControlHost::PluginFolders("/opt/cd/panorel", "", "/home/u"),
            (QStringList{"/opt/cd/controls", "/home/u/.local/share/panorel/controls"}));
}

}  // namespace
}  // namespace browser::shell
