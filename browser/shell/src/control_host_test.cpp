// The window's hosted controls on the offscreen platform: made by name as children at their
// bounds, empty children for unknown names, moved and destroyed by id.
#include "browser/shell/control_host.h"

#include <gtest/gtest.h>


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

TEST(ControlHost, NoWebWindowWithoutTheWebControl) {
  QWidget window;
  ControlHost host(&window, {}, {});
  EXPECT_FALSE(host.OpenWebWindow("/tmp/a.htm"));
}

TEST(ControlHost, PluginFoldersBesideTheProgramThenTheUsers) {
  EXPECT_EQ(ControlHost::PluginFolders("/opt/cd/panorel", "", "/home/u"),
            (QStringList{"/opt/cd/controls", "/home/u/.local/share/panorel/controls"}));
}

}  // namespace
}  // namespace browser::shell
