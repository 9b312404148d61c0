// The sample control as a library from outside the program: found in a plug-in folder by
// its metadata, loaded only when a control of its names is made, scripted by name, and
// installed into the per-user folder by registration.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/control_registry.h"
#include "platform/plugin_control_libraries.h"

namespace {

using platform::ControlRegistry;
using platform::Variant;


QString Library() { return QStringLiteral(CORVANE_SAMPLE_CONTROL); }

struct EventLog : platform::ControlEvents {
  void ControlEvent(int32_t id, const std::vector<Variant>& arguments) override {
    events.push_back({id, arguments});
  }
  std::vector<std::pair<int32_t, std::vector<Variant>>> events;
};

TEST(SampleControl, RegisteredIntoTheUserFolderThenHostedAndScripted) {
  QTemporaryDir home;
  const QString user = home.filePath("panorel/controls");
  ControlRegistry registry({user}, [](const QString& line) { ADD_FAILURE() << line.toStdString(); });
  EXPECT_FALSE(registry.Knows("Corvane.SampleControl"));

  platform::PluginControlLibraries libraries(user.toStdString());
  std::string error;
  ASSERT_TRUE(libraries.Register(Library().toStdString(), false, &error)) << error;
  const QString installed = QDir(user).filePath(QFileInfo(Library()).fileName());
  ASSERT_TRUE(QFileInfo::exists(installed));
  // The registry notices the new library without being told.
  EXPECT_TRUE(registry.Knows("corvane.samplecontrol.1"));
  EXPECT_EQ(registry.PluginFile("{3b8e5f20-9c71-4d2a-a6e4-51f0c7b9d283}"), installed);

  QWidget parent;
  auto control = registry.Create("Corvane.SampleControl", &parent);
  ASSERT_NE(control, nullptr);
  EventLog log;
  control->SetEventReceiver(&log);
  Variant result;
  ASSERT_TRUE(control->Call("Append", {Variant::Utf8(" text")}, &result));
  EXPECT_EQ(result.TextUtf8(), "Sample text");
  ASSERT_EQ(log.events.size(), 1u);  // TextChanged(Text)
  ASSERT_TRUE(control->Call("scale", {Variant::Utf8("1.5"), Variant::I4(4)}, &result));
  EXPECT_EQ(result.RealValue(), 6.0);
  EXPECT_FALSE(control->Call("Scale", {Variant::R8(1)}, &result));
  ASSERT_TRUE(control->PutProperty("TEXT", Variant::Utf8("new")));
  ASSERT_TRUE(control->GetProperty("text", &result));
  EXPECT_EQ(result.TextUtf8(), "new");
  EXPECT_FALSE(control->PutProperty("presses", Variant::I4(1)));

  const auto& events = control->Events();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].name, "Pressed");
  EXPECT_EQ(events[0].parameters, (std::vector<std::string>{"X", "Y"}));
  EXPECT_EQ(events[1].parameters, (std::vector<std::string>{"Text"}));
  control->SetEventReceiver(nullptr);
  control.reset();

  // Unregistering removes the installed copy; the registry forgets the names.
  ASSERT_TRUE(libraries.Register(Library().toStdString(), true, &error)) << error;
  EXPECT_FALSE(QFileInfo::exists(installed));
  EXPECT_FALSE(registry.Knows("Corvane.SampleControl"));
}

TEST(SampleControl, RegisteringTwiceKeepsOneCopy) {
  QTemporaryDir home;
  const QString user = home.filePath("controls");
  platform::PluginControlLibraries libraries(user.toStdString());
  std::string error;
  ASSERT_TRUE(libraries.Register(Library().toStdString(), false, &error)) << error;
  const QString installed = QDir(user).filePath(QFileInfo(Library()).fileName());
  // Registering the installed copy itself leaves it in place.
  ASSERT_TRUE(libraries.Register(installed.toStdString(), false, &error)) << error;
  ASSERT_TRUE(libraries.Register(Library().toStdString(), false, &error)) << error;
  EXPECT_EQ(QDir(user).entryList(QDir::Files).size(), 1);
  EXPECT_EQ(QFileInfo(installed).size(), QFileInfo(Library()).size());
}

}  // namespace
