// Late-bound calls, properties and events of a Qt widget hosted as a control, with the
// built-in test control.
#include "platform/qt_control.h"

#include <gtest/gtest.h>

#include <QRect>
#include <QUrl>

#include "platform/control_registry.h"
#include "platform/test_control.h"

namespace platform {
namespace {


struct EventLog : ControlEvents {
  void ControlEvent(int32_t id, const std::vector<Variant>& arguments) override {
    ids.push_back(id);
    args.push_back(arguments);
  }
  std::vector<int32_t> ids;
  std::vector<std::vector<Variant>> args;
};

class QtControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AddTestControl(registry_);
    control_ = registry_.Create("panorel.testcontrol", &parent_);
    ASSERT_NE(control_, nullptr);
  }
  std::string Utf8(const Variant& v) { return v.TextUtf8().value_or("<none>"); }

  QWidget parent_;
  ControlRegistry registry_{{}, {}};
  std::unique_ptr<QtControl> control_;
};

TEST_F(QtControlTest, MethodsByNameWithCoercedArguments) {
  Variant result;
  // Texts become integers by the automation rules; names compare without regard to case.
  ASSERT_TRUE(control_->Call("add", {Variant::Utf8("40"), Variant::I2(2)}, &result));
  EXPECT_EQ(result.type(), VT_I4);
  EXPECT_EQ(result.IntValue(), 42);
  // The first argument is the first parameter.
  ASSERT_TRUE(control_->Call("Join", {Variant::Utf8("A"), Variant::Utf8("B")}, &result));
  EXPECT_EQ(Utf8(result), "AB");
  ASSERT_TRUE(control_->Call("Join", {Variant::I4(7), Variant::Bool(true)}, &result));
  EXPECT_EQ(Utf8(result), "7-1");  // a boolean as text is its number
  // A QVariant parameter takes the value as it is, and gives it back in its type.
  ASSERT_TRUE(control_->Call("Echo", {Variant::R8(2.5)}, &result));
  EXPECT_EQ(result.type(), VT_R8);
  EXPECT_EQ(result.RealValue(), 2.5);
  // A method without a result answers EMPTY.
  result = Variant::I4(9);
  ASSERT_TRUE(control_->Call("Raise", {Variant::I4(1), Variant::Utf8("y")}, &result));
  EXPECT_EQ(result.type(), VT_EMPTY);
}

TEST_F(QtControlTest, BadCallsFailWithoutTouchingTheResult) {
  Variant result = Variant::I4(5);
  EXPECT_FALSE(control_->Call("NoSuchMethod", {}, &result));
  EXPECT_FALSE(control_->Call("Add", {Variant::I4(1)}, &result));             // too few
  EXPECT_FALSE(control_->Call("Add", {Variant::I4(1), Variant::I4(2), Variant::I4(3)}, &result));
  EXPECT_FALSE(control_->Call("Add", {Variant::Utf8("x"), Variant::I4(2)}, &result));
  EXPECT_FALSE(control_->Call("Add", {Variant::R8(1e12), Variant::I4(2)}, &result));  // overflow
  std::vector<Variant> eleven(11, Variant::I4(1));
  EXPECT_FALSE(control_->Call("Add", eleven, &result));
  EXPECT_EQ(result.IntValue(), 5);
  // QWidget's and QObject's own members are not the control's.
  for (const char* name : {"close", "hide", "deleteLater", "setEnabled", "update"}) {
    EXPECT_FALSE(control_->Call(name, {}, &result)) << name;
  }
  EXPECT_TRUE(control_->widget()->isVisible() || !control_->widget()->isHidden());
}

TEST_F(QtControlTest, PropertiesByName) {
  ASSERT_TRUE(control_->PutProperty("Caption", Variant::I4(12)));
  Variant v;
  ASSERT_TRUE(control_->GetProperty("caption", &v));
  EXPECT_EQ(Utf8(v), "12");
  control_->Call("Add", {Variant::I4(1), Variant::I4(1)}, &v);
  ASSERT_TRUE(control_->GetProperty("COUNT", &v));
  EXPECT_EQ(v.type(), VT_I4);
  EXPECT_EQ(v.IntValue(), 1);
  EXPECT_FALSE(control_->PutProperty("count", Variant::I4(3)));  // read-only
  EXPECT_FALSE(control_->PutProperty("nothing", Variant::I4(3)));
  EXPECT_FALSE(control_->GetProperty("geometry", &v));  // QWidget's
  EXPECT_FALSE(control_->PutProperty("visible", Variant::Bool(false)));
}

TEST_F(QtControlTest, SignalsAreEventsWithTheirParameterNames) {
  const auto& events = control_->Events();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].name, "Fired");
  EXPECT_EQ(events[0].parameters, (std::vector<std::string>{"X", "Y"}));
  EXPECT_EQ(events[1].name, "Clicked");

  EventLog log;
  Variant unused;
  control_->Call("Raise", {Variant::I4(3), Variant::Utf8("q")}, &unused);  // none connected
  control_->SetEventReceiver(&log);
  control_->Call("Raise", {Variant::I4(4), Variant::Utf8("w")}, &unused);
  ASSERT_EQ(log.ids.size(), 1u);
  EXPECT_EQ(log.ids[0], events[0].id);
  ASSERT_EQ(log.args[0].size(), 2u);
  EXPECT_EQ(log.args[0][0].IntValue(), 4);
  EXPECT_EQ(Utf8(log.args[0][1]), "w");
  control_->SetEventReceiver(nullptr);
  control_->Call("Raise", {Variant::I4(5), Variant::Utf8("e")}, &unused);
  EXPECT_EQ(log.ids.size(), 1u);
}

TEST_F(QtControlTest, TheExternalObjectReachesTheControl) {
  struct Recorder : ExternalDispatch {
    DispStatus GetIDsOfNames(std::string_view name, int32_t* id) override {
      if (name != "ExecuteScript") return DispStatus::kNotImplemented;
      *id = 1;
      return DispStatus::kOk;
    }
    DispStatus Invoke(int32_t id, const std::vector<Variant>* args, uint32_t*) override {
      invoked.push_back(std::to_string(id) + ":" + (*args)[0].TextUtf8().value_or(""));
      return DispStatus::kOk;
    }
    std::vector<std::string> invoked;
  } external;
  Variant status;
  control_->Call("CallExternal", {Variant::Utf8("ExecuteScript"), Variant::Utf8("Go")}, &status);
  EXPECT_EQ(status.IntValue(), static_cast<int32_t>(DispStatus::kNotImplemented));  // none yet
  control_->SetExternal(&external);
  control_->Call("CallExternal", {Variant::Utf8("ExecuteScript"), Variant::Utf8("Go")}, &status);
  EXPECT_EQ(status.IntValue(), 0);
  control_->Call("CallExternal", {Variant::Utf8("Other"), Variant::Utf8("")}, &status);
  EXPECT_EQ(status.IntValue(), static_cast<int32_t>(DispStatus::kNotImplemented));
  EXPECT_EQ(external.invoked, (std::vector<std::string>{"1:Go"}));
  control_->SetExternal(nullptr);
}

TEST(QtVariants, ConversionsBothWays) {
  EXPECT_FALSE(ToQVariant(Variant::Utf8("300"), QMetaType::fromType<uchar>()).has_value());
  EXPECT_EQ(ToQVariant(Variant::Utf8("-3"), QMetaType::fromType<short>())->value<short>(), -3);
  EXPECT_EQ(ToQVariant(Variant::Bool(true), QMetaType::fromType<int>())->toInt(), -1);
  EXPECT_EQ(ToQVariant(Variant::I4(0), QMetaType::fromType<bool>())->toBool(), false);
  EXPECT_FALSE(ToQVariant(Variant::I4(1), QMetaType::fromType<QRect>()).has_value());
  EXPECT_EQ(ToQVariant(Variant::Utf8("http://x/"), QMetaType::fromType<QUrl>())->toUrl(),
            QUrl("http://x/"));
  EXPECT_EQ(FromQVariant(QVariant(true)).IntValue(), -1);
  EXPECT_EQ(FromQVariant(QVariant()).type(), VT_EMPTY);
  EXPECT_EQ(FromQVariant(QVariant(QUrl("http://y/"))).TextUtf8(), "http://y/");
  EXPECT_EQ(FromQVariant(QVariant(QRect(1, 2, 3, 4))).type(), VT_EMPTY);
}

}  // namespace
}  // namespace platform
