// The main form's window under Qt Test: what the user sees and does reaches the form.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "frm_exhaust_window.h"

using exhaust::FrmExhaustWindow;

class FrmExhaustWindowTest : public QObject {
  Q_OBJECT

 private:
  template <typename T>
  T* get(FrmExhaustWindow& w, const char* name) {
    T* widget = w.findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("no widget %s", name);
    return widget;
  }
  struct Shown {
    FrmExhaustWindow window;
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
    QCOMPARE(s.window.objectName(), QStringLiteral("frmExhaust"));
    QCOMPARE(s.window.windowTitle(), QStringLiteral("Engine/Turbine Exhaust"));
    QVERIFY(!get<QPushButton>(s.window, "cmdTest1")->isVisible());
    QCOMPARE(get<QLineEdit>(s.window, "txtExhaustTemp")->toolTip(), QStringLiteral("\u00b0F"));
    QCOMPARE(get<QLineEdit>(s.window, "txtAltitude")->toolTip(),
             QStringLiteral("Feet Above Sea Level"));
    QCOMPARE(get<QLineEdit>(s.window, "txtMuffler")->toolTip(), QStringLiteral("Quantity"));
    QVERIFY(get<QLabel>(s.window, "lblStdPipe")->font().bold());
    QVERIFY(!get<QLabel>(s.window, "lblK")->font().bold());

    QStringList menus;
    for (QAction* action : s.window.menuBar()->actions()) menus << action->text();
    QCOMPARE(menus, (QStringList{"&File", "Calc&ulate", "&Contact", "&Options"}));
    QCOMPARE(get<QAction>(s.window, "mnuContactAddress")->text(), QStringLiteral("&Addrress"));
    QCOMPARE(get<QAction>(s.window, "mnuOptionAltitiude")->text(), QStringLiteral("Altitude"));
    QStringList file;
    for (QAction* action : get<QMenu>(s.window, "mnuFile")->actions())
      file << (action->isSeparator() ? action->objectName() : action->text());
    QCOMPARE(file, (QStringList{"Open", "Save As", "mnuSep3", "Print Form", "Print Report",
                                "mnuSep1", "Send Email", "mnuSep2", "E&xit"}));
  }

  void typingShowThenTestAndCalculate() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    auto* description = get<QLineEdit>(s.window, "txtJobDescription");
    description->setFocus();
    QTest::keyClicks(description, "Show");
    // The change itself shows the button; the focus has not moved.
    QVERIFY(description->hasFocus());
    QVERIFY(get<QPushButton>(s.window, "cmdTest1")->isVisible());
    QTest::mouseClick(get<QPushButton>(s.window, "cmdTest1"), Qt::LeftButton);
    QCOMPARE(get<QLabel>(s.window, "lblK")->text(), QString());
    QTest::mouseClick(get<QPushButton>(s.window, "cmdCalc"), Qt::LeftButton);
    QCOMPARE(get<QLabel>(s.window, "lblK")->text(), QStringLiteral("4.77"));
    QCOMPARE(get<QLabel>(s.window, "lblCalcPipe")->text(), QStringLiteral(" 20.11"));
    QCOMPARE(get<QLabel>(s.window, "lblStdPipe")->text(), QStringLiteral("22"));
    QVERIFY(s.messages.isEmpty());

    // Focus selects a number box's text, so typing replaces it; the menu calculates again.
    auto* limit = get<QLineEdit>(s.window, "txtDropLimit");
    limit->setFocus();
    QTRY_COMPARE(limit->selectedText(), QStringLiteral("6"));
    QTest::keyClicks(limit, "0");
    QCOMPARE(s.window.form().Text("txtDropLimit"), std::string("0"));
    get<QAction>(s.window, "mnuCalculate")->trigger();
    QCOMPARE(s.messages.size(), 1);
    QVERIFY(s.messages[0].contains("Back Pressure Limit \"0\""));
    QCOMPARE(get<QLabel>(s.window, "lblK")->text(), QStringLiteral("4.77"));

    get<QAction>(s.window, "mnuOptionsClearAll")->trigger();
    QCOMPARE(get<QLineEdit>(s.window, "txtFlowRate")->text(), QString());
    QCOMPARE(get<QLabel>(s.window, "lblK")->text(), QString());
    QCOMPARE(get<QLabel>(s.window, "lblActualDrop")->text(), QStringLiteral(" 4"));
  }

  void blankJobWarnsAndWritesTheAltitude() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    QTest::mouseClick(get<QPushButton>(s.window, "cmdCalc"), Qt::LeftButton);
    QCOMPARE(s.messages.size(), 1);
    QVERIFY(s.messages[0].startsWith("Missing Data|You must provide values for: "));
    QCOMPARE(get<QLineEdit>(s.window, "txtAltitude")->text(), QStringLiteral("0"));
  }

  void referenceDialogsAreModelessAndKeptWhenHidden() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    get<QAction>(s.window, "mnuOptionsKFactors")->trigger();
    auto* k_factors = s.window.findChild<QDialog*>(QStringLiteral("frmKFactors"));
    QVERIFY(k_factors && k_factors->isVisible() && !k_factors->isModal());
    QCOMPARE(k_factors->windowTitle(), QStringLiteral("K-Factors"));
    QTest::mouseClick(k_factors->findChild<QPushButton*>(QStringLiteral("cmdDone")),
                      Qt::LeftButton);
    QVERIFY(!k_factors->isVisible());
    get<QAction>(s.window, "mnuOptionsKFactors")->trigger();
    QCOMPARE(s.window.findChild<QDialog*>(QStringLiteral("frmKFactors")), k_factors);
    QVERIFY(k_factors->isVisible());

    get<QAction>(s.window, "mnuOptionAltitiude")->trigger();
    auto* altitude = s.window.findChild<QDialog*>(QStringLiteral("frmAltitude"));
    QVERIFY(altitude && altitude->isVisible());
    QCOMPARE(altitude->windowTitle(), QStringLiteral("Various Altitudes Over 1000 Feet"));
    QTest::mouseClick(altitude->findChild<QPushButton*>(QStringLiteral("cmdAltitudeOK")),
                      Qt::LeftButton);
    QVERIFY(!altitude->isVisible());
  }

  void customerBoxDoesNotSelectAll() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    auto* customer = get<QLineEdit>(s.window, "txtCustomer");
    customer->setText("ACME");
    customer->setCursorPosition(4);
    get<QLineEdit>(s.window, "txtFlowRate")->setFocus();
    customer->setFocus();
    QCoreApplication::processEvents();
    QCOMPARE(customer->selectedText(), QString());
  }
};

QTEST_MAIN(FrmExhaustWindowTest)
#include "frm_exhaust_window_test.moc"
