// The main form's window under Qt Test: what the user sees and does reaches the form.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "exhaust/report.h"
#include "formkit/contact.h"
#include "formkit/mail.h"
#include "formkit/text_io.h"
#include "formkit_qt/frm_altitude.h"
#include "formkit_qt/frm_contact_info.h"
#include "window_test_support.h"
#include "frm_exhaust_window.h"

using exhaust::FrmExhaustWindow;

namespace {

using formkit::testing::Child;
using formkit::testing::InTempFolder;
using formkit::testing::NamedContact;
using formkit::testing::RecordingSender;
using Shown = formkit::testing::Shown<FrmExhaustWindow>;

}  // namespace

class FrmExhaustWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensWithTheDesign() {
    Shown s;
    formkit::testing::ExpectTheProgramsDesign(s.window, exhaust::kQuantities);
    QCOMPARE(s.window.objectName(), QStringLiteral("frmExhaust"));
    QCOMPARE(s.window.windowTitle(), QStringLiteral("Engine/Turbine Exhaust"));
    QVERIFY(!Child<QPushButton>(s.window, "cmdTest1")->isVisible());
    QCOMPARE(Child<QLineEdit>(s.window, "txtExhaustTemp")->toolTip(), QStringLiteral("\u00b0F"));
    QCOMPARE(Child<QLineEdit>(s.window, "txtAltitude")->toolTip(),
             QStringLiteral("Feet Above Sea Level"));
    QCOMPARE(Child<QLineEdit>(s.window, "txtMuffler")->toolTip(), QStringLiteral("Quantity"));
    QVERIFY(Child<QLabel>(s.window, "lblStdPipe")->font().bold());
    QVERIFY(!Child<QLabel>(s.window, "lblK")->font().bold());

    QStringList menus;
    for (QAction* action : s.window.menuBar()->actions()) menus << action->text();
    QCOMPARE(menus, (QStringList{"&File", "Calc&ulate", "&Contact", "&Options"}));
    QCOMPARE(Child<QAction>(s.window, "mnuContactAddress")->text(), QStringLiteral("&Addrress"));
    QCOMPARE(Child<QAction>(s.window, "mnuOptionAltitiude")->text(), QStringLiteral("Altitude"));
    QStringList file;
    for (QAction* action : Child<QMenu>(s.window, "mnuFile")->actions())
      file << (action->isSeparator() ? action->objectName() : action->text());
    QCOMPARE(file, (QStringList{"Open", "Save As", "mnuSep3", "Print Form",
                                "Print Calculation &Sheet", "Print Report", "mnuSep1",
                                "Send Email", "mnuSep2", "E&xit"}));
  }

  void typingShowThenTestAndCalculate() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    auto* description = Child<QLineEdit>(s.window, "txtJobDescription");
    description->setFocus();
    QTest::keyClicks(description, "Show");
    // The change itself shows the button; the focus has not moved.
    QVERIFY(description->hasFocus());
    QVERIFY(Child<QPushButton>(s.window, "cmdTest1")->isVisible());
    QTest::mouseClick(Child<QPushButton>(s.window, "cmdTest1"), Qt::LeftButton);
    QCOMPARE(Child<QLabel>(s.window, "lblK")->text(), QString());
    QTest::mouseClick(Child<QPushButton>(s.window, "cmdCalc"), Qt::LeftButton);
    QCOMPARE(Child<QLabel>(s.window, "lblK")->text(), QStringLiteral("4.77"));
    QCOMPARE(Child<QLabel>(s.window, "lblCalcPipe")->text(), QStringLiteral(" 20.11"));
    QCOMPARE(Child<QLabel>(s.window, "lblStdPipe")->text(), QStringLiteral("22"));
    QVERIFY(s.messages.isEmpty());

    // Focus selects a number box's text, so typing replaces it; the menu calculates again.
    auto* limit = Child<QLineEdit>(s.window, "txtDropLimit");
    limit->setFocus();
    QTRY_COMPARE(limit->selectedText(), QStringLiteral("6"));
    QTest::keyClicks(limit, "0");
    QCOMPARE(s.window.form().Text("txtDropLimit"), std::string("0"));
    Child<QAction>(s.window, "mnuCalculate")->trigger();
    QCOMPARE(s.messages.size(), 1);
    QVERIFY(s.messages[0].contains("Back Pressure Limit \"0\""));
    QCOMPARE(Child<QLabel>(s.window, "lblK")->text(), QStringLiteral("4.77"));

    Child<QAction>(s.window, "mnuOptionsClearAll")->trigger();
    QCOMPARE(Child<QLineEdit>(s.window, "txtFlowRate")->text(), QString());
    QCOMPARE(Child<QLabel>(s.window, "lblK")->text(), QString());
    QCOMPARE(Child<QLabel>(s.window, "lblActualDrop")->text(), QStringLiteral(" 4"));
  }

  void blankJobWarnsAndWritesTheAltitude() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    QTest::mouseClick(Child<QPushButton>(s.window, "cmdCalc"), Qt::LeftButton);
    QCOMPARE(s.messages.size(), 1);
    QVERIFY(s.messages[0].startsWith("Missing Data|You must provide values for: "));
    QCOMPARE(Child<QLineEdit>(s.window, "txtAltitude")->text(), QStringLiteral("0"));
  }

  void referenceDialogsAreModelessAndKeptWhenHidden() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    Child<QAction>(s.window, "mnuOptionsKFactors")->trigger();
    auto* k_factors = s.window.findChild<QDialog*>(QStringLiteral("frmKFactors"));
    QVERIFY(k_factors && k_factors->isVisible() && !k_factors->isModal());
    QCOMPARE(k_factors->windowTitle(), QStringLiteral("K-Factors"));
    QTest::mouseClick(k_factors->findChild<QPushButton*>(QStringLiteral("cmdDone")),
                      Qt::LeftButton);
    QVERIFY(!k_factors->isVisible());
    Child<QAction>(s.window, "mnuOptionsKFactors")->trigger();
    QCOMPARE(s.window.findChild<QDialog*>(QStringLiteral("frmKFactors")), k_factors);
    QVERIFY(k_factors->isVisible());

    Child<QAction>(s.window, "mnuOptionAltitiude")->trigger();
    auto* altitude = s.window.findChild<QDialog*>(QStringLiteral("frmAltitude"));
    QVERIFY(altitude && altitude->isVisible());
    QCOMPARE(altitude->windowTitle(), QStringLiteral("Various Altitudes Over 1000 Feet"));
    QTest::mouseClick(altitude->findChild<QPushButton*>(QStringLiteral("cmdAltitudeOK")),
                      Qt::LeftButton);
    QVERIFY(!altitude->isVisible());
  }

  void saveAndOpenJobFiles() {
    InTempFolder folder;
    Shown s;
    const std::string path = folder.path("plant.exh");
    QString save_filter;
    s.window.services().save_file_name = [&](const QString&, const QString& filter) {
      save_filter = filter;
      return path;
    };
    s.window.form().cmdTest1_Click();
    Child<QAction>(s.window, "mnuFileSaveAs")->trigger();
    QCOMPARE(save_filter, QStringLiteral("Sizing Files(*.exh)"));
    QCOMPARE(s.window.windowTitle(), QString::fromStdString(path + " - Exhaust Program"));

    Shown t;
    QString open_filter;
    t.window.services().open_file_name = [&](const QString&, const QString& filter) {
      open_filter = filter;
      return path;
    };
    t.window.form().SetText("lblK", "9.99");
    Child<QAction>(t.window, "mnuFileOpen")->trigger();
    QCOMPARE(open_filter, QStringLiteral("Sizing Files(*.exh);;All Files(*)"));
    QCOMPARE(t.window.windowTitle(),
             QString::fromStdString(path + " - Corvane Exhaust Sizing Program"));
    QCOMPARE(Child<QLineEdit>(t.window, "txtFlowRate")->text(), QStringLiteral("15000"));
    QCOMPARE(Child<QLabel>(t.window, "lblK")->text(), QStringLiteral("9.99"));

    // A save that cannot be made says so, and the caption stays.
    formkit::testing::ExpectTheSaveToFail(s, "mnuFileSaveAs", folder.path("missing/x.exh"),
                                          QStringLiteral("Exhaust"));
    QCOMPARE(s.window.windowTitle(), QString::fromStdString(path + " - Exhaust Program"));
  }

  void printFormGoesOutOnWhiteAndComesBack() {
    Shown s;
    const QColor before = s.window.palette().color(QPalette::Window);
    QColor during;
    s.window.services().print_form = [&](QWidget& widget, std::string*) {
      during = widget.palette().color(QPalette::Window);
      // The form's client area, without the menu bar.
      return &widget == s.window.centralWidget();
    };
    Child<QAction>(s.window, "mnuFilePrintForm")->trigger();
    QCOMPARE(during, QColor(Qt::white));
    QCOMPARE(s.window.palette().color(QPalette::Window), before);
    QVERIFY(s.messages.isEmpty());
  }

  void reportNeedsTheContactFile() {
    InTempFolder folder;
    Shown s;
    formkit::testing::PrintedReports reports(s.window);
    auto& printed = reports.printed;
    Child<QAction>(s.window, "mnuFilePrintReport")->trigger();
    QVERIFY(printed.empty());
    QCOMPARE(s.messages,
             QStringList{"Exhaust|Error printing report, please complete Contact Information"});
    QVERIFY(formkit::WriteContactFile(NamedContact("Pat")));
    s.window.form().cmdTest1_Click();
    Child<QAction>(s.window, "mnuFilePrintReport")->trigger();
    QCOMPARE(printed.size(), size_t(1));
    QCOMPARE(s.messages.size(), 1);
    const std::string text = formkit::ReportText(printed[0]);
    QVERIFY(text.find("Prepared by:Pat") != std::string::npos);
    QVERIFY(text.find("Customer:  This is the Customer Name") != std::string::npos);

    // A printer that fails gives the same message.
    s.window.services().print_report = [](const formkit::Report&, std::string*) { return false; };
    Child<QAction>(s.window, "mnuFilePrintReport")->trigger();
    QCOMPARE(s.messages.size(), 2);
  }

  void printCalculationSheetAfterTheReport() {
    InTempFolder folder;
    Shown s;
    QCOMPARE(Child<QAction>(s.window, "mnuFilePrintSheet")->text(),
             QStringLiteral("Print Calculation &Sheet"));
    QVERIFY(formkit::WriteContactFile(NamedContact("Pat")));
    formkit::testing::PrintedReports reports(s.window);
    auto& printed = reports.printed;
    s.window.form().cmdTest1_Click();
    Child<QPushButton>(s.window, "cmdCalc")->click();
    Child<QAction>(s.window, "mnuFilePrintSheet")->trigger();
    QCOMPARE(printed.size(), size_t(1));
    const std::string text = formkit::ReportText(printed[0]);
    const size_t page = text.find("\f");
    QVERIFY(text.find("Prepared by:Pat") < page);
    QVERIFY(text.find("Calculation Sheet") > page);
    QVERIFY(text.find("Pass 3 standard size S") > page);
    QVERIFY(text.find("         4.77\n", page) != std::string::npos);
    QVERIFY(s.messages.isEmpty());

    // An input changed after Calculate: the sheet and the report page are recalculated and
    // read the form's inputs.
    auto* flow = Child<QLineEdit>(s.window, "txtFlowRate");
    flow->setFocus();
    flow->selectAll();
    QTest::keyClicks(flow, "9000");
    printed.clear();
    Child<QAction>(s.window, "mnuFilePrintSheet")->trigger();
    QCOMPARE(printed.size(), size_t(1));
    const std::string again = formkit::ReportText(printed[0]);
    const size_t sheet = again.find("\f");
    QVERIFY(again.find("Exhaust Flow Rate                    9000 CFM") < sheet);
    QVERIFY(again.find("Exhaust Flow Rate Q                  9000 CFM", sheet) != std::string::npos);
    QVERIFY(again.find("15000") == std::string::npos);
    QVERIFY(!s.window.resultPanel().AnyDimmed());
  }

  void emailTakesTheNameFromTheContactFile() {
    InTempFolder folder;
    Shown s;
    RecordingSender sender;
    s.window.services().mail = &sender;
    QVERIFY(formkit::WriteContactFile(NamedContact("Your Name")));
    s.window.form().cmdTest1_Click();
    s.window.form().cmdCalc_Click();
    Child<QAction>(s.window, "mnuFileSendEmail")->trigger();
    QCOMPARE(sender.sent.size(), size_t(1));
    QCOMPARE(sender.sent[0].subject, std::string("Corvane Inc. Exhaust Sizing Information"));
    QVERIFY(sender.sent[0].body.rfind("\r\nExhaust Temperature:          750\r\n", 0) == 0);
    QVERIFY(s.messages.isEmpty());

    // The contact dialog is loaded now; a name typed there is mailed while the file is gone.
    QFile::remove(QString::fromStdString(folder.path("contact.dat")));
    s.window.frmContactInfo().findChild<QLineEdit*>(QStringLiteral("txtName"))->setText("Kim");
    sender.accept = false;
    Child<QAction>(s.window, "mnuFileSendEmail")->trigger();
    QCOMPARE(sender.sent.size(), size_t(2));
    QVERIFY(sender.sent[1].body.rfind("This Email is being sent to you from: Kim\r\n", 0) == 0);
    QCOMPARE(s.messages, QStringList{"Exhaust|Email was not sent."});
  }

  void contactMenuShowsTheSharedContact() {
    InTempFolder folder;
    QVERIFY(formkit::WriteContactFile(NamedContact("Lee")));
    Shown s;
    Child<QAction>(s.window, "mnuContactAddress")->trigger();
    auto* dialog = s.window.findChild<QDialog*>(QStringLiteral("frmContactInfo"));
    QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("txtName"));
    QCOMPARE(name->text(), QStringLiteral("Lee"));
  }

  void exitUnloadsTheFormAndEveryLoadedDialog() {
    InTempFolder folder;
    Shown s;
    QPointer<QDialog> contact = &s.window.frmContactInfo();
    QPointer<QDialog> altitude = &s.window.frmAltitude();
    Child<QAction>(s.window, "mnuFileExit")->trigger();
    QVERIFY(!s.window.isVisible());
    QVERIFY(contact.isNull());
    QVERIFY(altitude.isNull());
    QVERIFY(!s.window.findChild<QDialog*>(QStringLiteral("frmKFactors")));  // never loaded
  }

  void resultsCarryUnitsAndEnterCalculates() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    QCOMPARE(Child<QLabel>(s.window, "lblStdPipeUnit")->text(), QStringLiteral("Inches"));
    QCOMPARE(Child<QLabel>(s.window, "lblActualDropUnit")->text(),
             QStringLiteral("Inches Water Column"));
    QVERIFY(!s.window.findChild<QLabel*>(QStringLiteral("lblKUnit")));  // K has no unit
    s.window.form().cmdTest1_Click();
    auto* flow = Child<QLineEdit>(s.window, "txtFlowRate");
    flow->setFocus();
    QTest::keyClick(flow, Qt::Key_Return);
    QCOMPARE(Child<QLabel>(s.window, "lblK")->text(), QStringLiteral("4.77"));
    QVERIFY(Child<QLabel>(s.window, "lblK")->alignment() & Qt::AlignRight);
    // A refused calculation leaves the results as they were, dimmed: they no longer match.
    s.window.form().SetText("txtDropLimit", "0");
    QTest::keyClick(flow, Qt::Key_Return);
    QCOMPARE(s.messages.size(), 1);
    QVERIFY(s.window.resultPanel().IsDimmed("lblK"));
  }

  void customerBoxDoesNotSelectAll() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    auto* customer = Child<QLineEdit>(s.window, "txtCustomer");
    customer->setText("ACME");
    customer->setCursorPosition(4);
    Child<QLineEdit>(s.window, "txtFlowRate")->setFocus();
    customer->setFocus();
    QCoreApplication::processEvents();
    QCOMPARE(customer->selectedText(), QString());
  }
  // With every contact field filled in and a description of 110 characters the report is
  // one page on Letter and on A4, in type no smaller than 9 point, and nothing passes the
  // right edge of the printable area.
  void theFullestReportIsOnePageOnLetterAndA4() {
    Shown s;
    s.window.form().cmdTest1_Click();
    s.window.form().cmdCalc_Click();
    s.window.form().SetText("txtJobDescription", formkit::testing::kLongDescription);
    s.window.form().SetText("txtCustomer", "Corvane's Most Valuable Customer of the Greater Area");
    const auto report = exhaust::BuildReport(s.window.form(), formkit::testing::FullestContact(), "12/31/2026");
    QVERIFY(report);
    formkit::testing::ExpectOnePageOnLetterAndA4(*report,
                                                 QStringLiteral("Local Barometric Pressure"));
  }
};

QTEST_MAIN(FrmExhaustWindowTest)
#include "frm_exhaust_window_test.moc"
