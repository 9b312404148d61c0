// The main form's window under Qt Test: what the user sees and does reaches the form.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "frm_sizing_window.h"

using sizing::FrmSizingWindow;

class FrmSizingWindowTest : public QObject {
  Q_OBJECT

 private:
  template <typename T>
  T* get(FrmSizingWindow& w, const char* name) {
    T* widget = w.findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("no widget %s", name);
    return widget;
  }
  struct Shown {
    FrmSizingWindow window;
    QStringList messages;
    Shown() {
      window.setMessageHandler([this](const std::string& text, const std::string& caption) {
        messages << QString::fromStdString(caption + "|" + text);
      });
      window.show();
      window.activateWindow();
    }
  };

 private slots:
  void opensWithTheDesign() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QCOMPARE(s.window.windowTitle(), QStringLiteral("Corvane Sizing Program"));
    auto* fuel = get<QComboBox>(s.window, "cmbFuelType");
    QCOMPARE(fuel->count(), 6);
    QCOMPARE(fuel->currentText(), QStringLiteral("Natural Gas"));
    QVERIFY(!get<QPushButton>(s.window, "cmdTest")->isVisible());
    QVERIFY(!get<QLineEdit>(s.window, "txtDiameter")->isVisible());
    QVERIFY(get<QRadioButton>(s.window, "optDraftNo")->isChecked());
    QCOMPARE(get<QLineEdit>(s.window, "txtAmbientTemp")->text(), QStringLiteral("60"));
    QCOMPARE(get<QLabel>(s.window, "lblBarometricPres")->text(), QStringLiteral("29.92"));
    QCOMPARE(get<QLineEdit>(s.window, "txtBTU")->toolTip(), QStringLiteral("BTU/Hr Input"));
    QCOMPARE(s.window.palette().color(QPalette::Window), QColor(224, 224, 224));
    QStringList menus;
    for (QAction* action : s.window.menuBar()->actions()) menus << action->text();
    QCOMPARE(menus, (QStringList{"&File", "Calc&ulate", "&Contact", "&Options"}));
  }

  void typingAndCalculating() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    auto* description = get<QLineEdit>(s.window, "txtJobDescription");
    description->setFocus();
    QTest::keyClicks(description, "Show");
    get<QLineEdit>(s.window, "txtBTU")->setFocus();  // leaving the description
    QVERIFY(get<QPushButton>(s.window, "cmdTest")->isVisible());
    QTest::mouseClick(get<QPushButton>(s.window, "cmdTest"), Qt::LeftButton);
    QCOMPARE(get<QLabel>(s.window, "lblComputedSize")->text(), QStringLiteral(" 26.156"));
    QCOMPARE(get<QLabel>(s.window, "lblPipeDiameter")->text(), QStringLiteral("28"));
    QVERIFY(get<QCheckBox>(s.window, "chkCombinedVent")->isChecked());
    QVERIFY(s.messages.isEmpty());

    // An edit in a box reaches the form; the menu calculates again.
    auto* height = get<QLineEdit>(s.window, "txtSysHeight");
    height->setFocus();
    QTRY_COMPARE(height->selectedText(), QStringLiteral("400"));
    QTest::keyClicks(height, "50");  // replaces the selected "400"
    QCoreApplication::processEvents();
    QCOMPARE(s.window.form().Text("txtSysHeight"), std::string("50"));
    get<QLineEdit>(s.window, "txtSysLength")->setFocus();  // H 50 < L 80 warns
    QCOMPARE(s.messages.size(), 1);
    QVERIFY(s.messages[0].startsWith("WARNING|System Horizontal is longer"));

    get<QAction>(s.window, "mnuOptionsClearAll")->trigger();
    QCOMPARE(get<QLabel>(s.window, "lblComputedSize")->text(), QString());
    QCOMPARE(get<QLineEdit>(s.window, "txtAmbientTemp")->text(), QStringLiteral("60"));
    QVERIFY(!get<QCheckBox>(s.window, "chkCombinedVent")->isChecked());
  }

  void focusSelectsAllButNotInTheCustomerBox() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    auto* ambient = get<QLineEdit>(s.window, "txtAmbientTemp");
    ambient->setFocus();
    QTRY_COMPARE(ambient->selectedText(), QStringLiteral("60"));
    auto* customer = get<QLineEdit>(s.window, "txtCustomer");
    customer->setText("ACME");
    customer->setCursorPosition(4);
    customer->setFocus();
    QCoreApplication::processEvents();
    QCOMPARE(customer->selectedText(), QString());
  }

  void fuelListAndInducedDraft() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    auto* fuel = get<QComboBox>(s.window, "cmbFuelType");
    auto* co2 = get<QLineEdit>(s.window, "txtCO2");
    fuel->setFocus();
    fuel->setCurrentIndex(1);
    emit fuel->activated(1);
    co2->setFocus();
    QCOMPARE(co2->text(), QStringLiteral("6.0"));

    auto* yes = get<QRadioButton>(s.window, "optDraftYes");
    QTest::mouseClick(yes, Qt::LeftButton);
    auto* diameter = get<QLineEdit>(s.window, "txtDiameter");
    QVERIFY(diameter->isVisible());
    QVERIFY(diameter->isEnabled());
    QVERIFY(!get<QRadioButton>(s.window, "optDraftNo")->isChecked());
    diameter->setText("9");
    s.window.form().SetText("txtDiameter", "9");
    QTest::mouseClick(yes, Qt::LeftButton);  // clicking the selected option keeps it
    QVERIFY(yes->isChecked());
    QTest::mouseClick(get<QRadioButton>(s.window, "optDraftNo"), Qt::LeftButton);
    QVERIFY(!diameter->isVisible());
    QCOMPARE(diameter->text(), QString());
  }
};

QTEST_MAIN(FrmSizingWindowTest)
#include "frm_sizing_window_test.moc"
