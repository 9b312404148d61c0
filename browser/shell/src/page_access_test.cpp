// The keyboard and screen readers in the window, without an X server: the focus ring's
// pixels within the window's shape, and the accessible objects Qt hands a screen reader.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QVector>
#include <cstdio>

#include "browser/doc/cdz_writer.h"
#include "browser/shell/focus_ring.h"
#include "browser/shell/main_window.h"
#include "platform/disk_file_system.h"

namespace browser::shell {
namespace {

uint32_t At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

TEST(FocusRingTest, DrawsTwoLinesInsideTheBoundsAndNeverIntoTheShapesHoles) {
  QImage page(40, 30, QImage::Format_RGB32);
  page.fill(0x3366CC);
  {
    QPainter painter(&page);
    DrawFocusRing(painter, QRect(5, 5, 20, 10), nullptr);
  }
  EXPECT_EQ(At(page, 5, 5), 0x000000u);
  EXPECT_EQ(At(page, 24, 14), 0x000000u);
  EXPECT_EQ(At(page, 6, 6), 0xFFFFFFu);
  EXPECT_EQ(At(page, 10, 10), 0x3366CCu);  // the element itself shows through
  EXPECT_EQ(At(page, 4, 5), 0x3366CCu);
  EXPECT_EQ(At(page, 25, 14), 0x3366CCu);

  // The shape leaves a hole over the ring's left half.
  page.fill(0x3366CC);
  Region shape;
  shape.rects = {{0, 0, 40, 5}, {15, 5, 40, 30}, {0, 15, 15, 30}};
  {
    QPainter painter(&page);
    DrawFocusRing(painter, QRect(5, 5, 20, 10), &shape);
  }
  EXPECT_EQ(At(page, 5, 10), 0x3366CCu);
  EXPECT_EQ(At(page, 10, 14), 0x3366CCu);
  EXPECT_EQ(At(page, 6, 6), 0x3366CCu);
  EXPECT_EQ(At(page, 24, 14), 0x000000u);
  EXPECT_EQ(At(page, 15, 5), 0x000000u);
}

class PageWindowTest : public ::testing::Test {
 protected:
  void Open(const std::string& text, const std::string& second = "[Main]\n") {
    const std::string doc = dir_.filePath("doc.cdz").toStdString();
    platform::DiskFileSystem disk;
    ASSERT_TRUE(
        WriteCdz(disk, doc, {{"doc.cdb", text}, {"second.cdb", second}}, false).ok());
    WindowOptions options;
    options.document = doc;
    options.program_path = dir_.filePath("panorel").toStdString();
    options.screen = QSize(1024, 768);
    options.preview = true;
    trace_ = std::fopen(dir_.filePath("trace.txt").toLocal8Bit().constData(), "w");
    options.trace = trace_;
    window_ = std::make_unique<MainWindow>(options);
    ASSERT_TRUE(window_->StartupLoad());
  }

  ~PageWindowTest() override {
    window_.reset();
    if (trace_ != nullptr) std::fclose(trace_);
  }
  std::string Trace() {
    std::fflush(trace_);
    QFile file(dir_.filePath("trace.txt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
  }
  std::string Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(window_.get(), &press);
    const CElement* focused = window_->main_wnd().focused();
    return focused != nullptr ? focused->id() : "(none)";
  }

  QTemporaryDir dir_;
  std::FILE* trace_ = nullptr;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(PageWindowTest, KeysReachThePageBeforeTheWidgetsFocusChain) {
  Open(
      "[Main]\ntitle = Keys\nappbar = false\nnumElements = 2\n"
      "[Element_1]\ntype = Text\nid = low\nypos = 50\nnumScripts = 1\n"
      "[Element_1_Script_1]\nname = OnMouseUp\nnumScriptItems = 0\n"
      "[Element_2]\ntype = Text\nid = high\nypos = 10\nnumScripts = 1\n"
      "[Element_2_Script_1]\nname = OnMouseUp\nnumScriptItems = 0\n");
  EXPECT_EQ(window_->main_wnd().focused()->id(), "high");
  EXPECT_EQ(Key(Qt::Key_Tab), "low");
  EXPECT_EQ(Key(Qt::Key_Backtab, Qt::ShiftModifier), "high");
  EXPECT_EQ(Key(Qt::Key_Tab, Qt::ShiftModifier), "low");
  // Tab with Ctrl or Alt is not the page's.
  EXPECT_EQ(Key(Qt::Key_Tab, Qt::ControlModifier), "low");
  EXPECT_EQ(Key(Qt::Key_Return), "low");
  EXPECT_NE(Trace().find("event\tOnMouseUp\tElement_1\tran\tlow\n"), std::string::npos);
  Key(Qt::Key_F4, Qt::AltModifier);
  EXPECT_NE(Trace().find("request\tclose\n"), std::string::npos);
}

TEST_F(PageWindowTest, TheWindowIsNamedByTheTitleAndHoldsOneObjectPerElement) {
  Open(
      "[Main]\ntitle = Vent Sizing CD\nappbar = false\nwidth = 300\nheight = 200\n"
      "numElements = 3\n"
      "[Element_1]\ntype = Text\ntext = Welcome\nxpos = 5\nypos = 5\n"
      "[Element_2]\ntype = Image\nsrc = pics\\sizing.bmp\nxpos = 20\nypos = 60\nwidth = 40\n"
      "height = 30\nnumScripts = 1\n[Element_2_Script_1]\nname = OnMouseUp\n"
      "numScriptItems = 1\n[Element_2_Script_1_ScriptItem_1]\nname = SetVariable\n"
      "varName = Pressed\nvalue = yes\n"
      "[Element_3]\ntype = Image\nsrc = logo.bmp\nid = logo\naccessibleName = Company logo\n"
      "xpos = 100\nypos = 100\nwidth = 10\nheight = 10\n");
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(window_.get());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(window->text(QAccessible::Name), "Vent Sizing CD");
  ASSERT_EQ(window->childCount(), 3);
  QStringList seen;
  for (int i = 0; i < window->childCount(); ++i) {
    QAccessibleInterface* child = window->child(i);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(window->indexOfChild(child), i);
    EXPECT_EQ(child->parent(), window);
    seen << QString::number(child->role()) + " " + child->text(QAccessible::Name);
  }
  EXPECT_EQ(seen, QStringList({QString::number(QAccessible::StaticText) + " Welcome",
                               QString::number(QAccessible::Button) + " sizing",
                               QString::number(QAccessible::Graphic) + " Company logo"}));
  QAccessibleInterface* button = window->child(1);
  // The same object every time it is asked for.
  EXPECT_EQ(window->child(1), button);
  const QPoint origin = window_->mapToGlobal(QPoint(20, 60));
  EXPECT_EQ(button->rect(), QRect(origin, QSize(40, 30)));
  EXPECT_TRUE(button->state().focusable);
  EXPECT_FALSE(window->child(0)->state().focusable);
  EXPECT_EQ(window->focusChild(), button);
  EXPECT_EQ(window->childAt(origin.x() + 5, origin.y() + 5), button);

  // A screen reader's press runs the click.
  QAccessibleActionInterface* action = button->actionInterface();
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(window->child(0)->actionInterface(), nullptr);
  action->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_NE(window_->main_wnd().document().variables().FindVariable("Pressed"), nullptr);
}

TEST_F(PageWindowTest, ANewPageBringsNewObjectsAndLetsTheOldOnesGo) {
  Open(
      "[Main]\ntitle = First\nappbar = false\nnumElements = 1\n"
      "[Element_1]\ntype = Text\ntext = Old\n",
      "[Main]\ntitle = Second\nappbar = false\nnumElements = 2\n"
      "[Element_1]\ntype = Text\ntext = New\n[Element_2]\ntype = Text\nid = more\n"
      "text =\n");
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(window_.get());
  ASSERT_EQ(window->childCount(), 1);
  const QAccessible::Id old = QAccessible::uniqueId(window->child(0));
  window_->main_wnd().HandleRequest({PageRequest::Kind::kOpenDocument, "second.cdb"});
  EXPECT_EQ(window->text(QAccessible::Name), "Second");
  ASSERT_EQ(window->childCount(), 2);
  EXPECT_EQ(window->child(0)->text(QAccessible::Name), "New");
  EXPECT_EQ(window->child(1)->text(QAccessible::Name), "more");
  EXPECT_EQ(QAccessible::accessibleInterface(old), nullptr);
}

}  // namespace
}  // namespace browser::shell
