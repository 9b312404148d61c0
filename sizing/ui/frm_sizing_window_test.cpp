// The main form's window under Qt Test: what the user sees and does reaches the form.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <QDialog>
#include <QTemporaryDir>

#include "formkit/contact.h"
#include "sizing/report.h"
#include "formkit/mail.h"
#include "formkit/text_io.h"
#include "formkit_qt/frm_contact_info.h"
#include "frm_co2.h"
#include "window_test_support.h"
#include "frm_sizing_window.h"

using sizing::FrmSizingWindow;

namespace {

using formkit::testing::Child;
using formkit::testing::InTempFolder;
using formkit::testing::NamedContact;
using formkit::testing::RecordingSender;
using Shown = formkit::testing::Shown<FrmSizingWindow>;

// The share of a widget's pixels that are exactly `color`: a check box or option button
// painted in the form's colour is mostly that colour; one left grey is not at all.
double ShareOf(QWidget* widget, const QColor& color) {
  const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  int same = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) same += image.pixel(x, y) == color.rgb();
  return double(same) / (image.width() * image.height());
}

}  // namespace

class FrmSizingWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensWithTheDesign() {
    Shown s;
    formkit::testing::ExpectTheProgramsDesign(s.window, sizing::kQuantities);
    QCOMPARE(s.window.windowTitle(), QStringLiteral("Corvane Sizing Program"));
    auto* fuel = Child<QComboBox>(s.window, "cmbFuelType");
    QCOMPARE(fuel->count(), 6);
    QCOMPARE(fuel->currentText(), QStringLiteral("Natural Gas"));
    QVERIFY(!Child<QPushButton>(s.window, "cmdTest")->isVisible());
    QVERIFY(!Child<QLineEdit>(s.window, "txtDiameter")->isVisible());
    QVERIFY(Child<QRadioButton>(s.window, "optDraftNo")->isChecked());
    QCOMPARE(Child<QLineEdit>(s.window, "txtAmbientTemp")->text(), QStringLiteral("60"));
    QCOMPARE(Child<QLabel>(s.window, "lblBarometricPres")->text(), QStringLiteral("29.92"));
    QCOMPARE(Child<QLineEdit>(s.window, "txtBTU")->toolTip(), QStringLiteral("BTU/Hr Input"));
    QCOMPARE(s.window.palette().color(QPalette::Window), QColor(224, 224, 224));
    QStringList menus;
    for (QAction* action : s.window.menuBar()->actions()) menus << action->text();
    QCOMPARE(menus, (QStringList{"&File", "Calc&ulate", "&Contact", "&Options"}));
  }

  void typingAndCalculating() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    auto* description = Child<QLineEdit>(s.window, "txtJobDescription");
    description->setFocus();
    QTest::keyClicks(description, "Show");
    Child<QLineEdit>(s.window, "txtBTU")->setFocus();  // leaving the description
    QVERIFY(Child<QPushButton>(s.window, "cmdTest")->isVisible());
    QTest::mouseClick(Child<QPushButton>(s.window, "cmdTest"), Qt::LeftButton);
    QCOMPARE(Child<QLabel>(s.window, "lblComputedSize")->text(), QStringLiteral(" 26.156"));
    QCOMPARE(Child<QLabel>(s.window, "lblPipeDiameter")->text(), QStringLiteral("28"));
    QVERIFY(Child<QCheckBox>(s.window, "chkCombinedVent")->isChecked());
    QVERIFY(s.messages.isEmpty());

    // An edit in a box reaches the form; the menu calculates again.
    auto* height = Child<QLineEdit>(s.window, "txtSysHeight");
    height->setFocus();
    QTRY_COMPARE(height->selectedText(), QStringLiteral("400"));
    QTest::keyClicks(height, "50");  // replaces the selected "400"
    QCoreApplication::processEvents();
    QCOMPARE(s.window.form().Text("txtSysHeight"), std::string("50"));
    Child<QLineEdit>(s.window, "txtSysLength")->setFocus();  // H 50 < L 80 warns
    QCOMPARE(s.messages.size(), 1);
    QVERIFY(s.messages[0].startsWith("WARNING|System Horizontal is longer"));

    Child<QAction>(s.window, "mnuOptionsClearAll")->trigger();
    QCOMPARE(Child<QLabel>(s.window, "lblComputedSize")->text(), QString());
    QCOMPARE(Child<QLineEdit>(s.window, "txtAmbientTemp")->text(), QStringLiteral("60"));
    QVERIFY(!Child<QCheckBox>(s.window, "chkCombinedVent")->isChecked());
  }

  void focusSelectsAllButNotInTheCustomerBox() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    auto* ambient = Child<QLineEdit>(s.window, "txtAmbientTemp");
    ambient->setFocus();
    QTRY_COMPARE(ambient->selectedText(), QStringLiteral("60"));
    auto* customer = Child<QLineEdit>(s.window, "txtCustomer");
    customer->setText("ACME");
    customer->setCursorPosition(4);
    customer->setFocus();
    QCoreApplication::processEvents();
    QCOMPARE(customer->selectedText(), QString());
  }

  void fuelListAndInducedDraft() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    auto* fuel = Child<QComboBox>(s.window, "cmbFuelType");
    auto* co2 = Child<QLineEdit>(s.window, "txtCO2");
    fuel->setFocus();
    fuel->setCurrentIndex(1);
    emit fuel->activated(1);
    co2->setFocus();
    QCOMPARE(co2->text(), QStringLiteral("6.0"));

    auto* yes = Child<QRadioButton>(s.window, "optDraftYes");
    QTest::mouseClick(yes, Qt::LeftButton);
    auto* diameter = Child<QLineEdit>(s.window, "txtDiameter");
    QVERIFY(diameter->isVisible());
    QVERIFY(diameter->isEnabled());
    QVERIFY(!Child<QRadioButton>(s.window, "optDraftNo")->isChecked());
    diameter->setText("9");
    s.window.form().SetText("txtDiameter", "9");
    QTest::mouseClick(yes, Qt::LeftButton);  // clicking the selected option keeps it
    QVERIFY(yes->isChecked());
    QTest::mouseClick(Child<QRadioButton>(s.window, "optDraftNo"), Qt::LeftButton);
    QVERIFY(!diameter->isVisible());
    QCOMPARE(diameter->text(), QString());
  }

  // "Yes" and "No" are one Tab stop, the selected one; the arrows choose between them.
  void inducedDraftIsOneTabStop() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    auto* combined = Child<QCheckBox>(s.window, "chkCombinedVent");
    auto* yes = Child<QRadioButton>(s.window, "optDraftYes");
    auto* no = Child<QRadioButton>(s.window, "optDraftNo");
    combined->setFocus();
    QTest::keyClick(combined, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), no);
    QTest::keyClick(no, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != yes && QApplication::focusWidget() != no);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), no);
    QTest::keyClick(no, Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), yes);
    QVERIFY(yes->isChecked() && !no->isChecked());
    QCOMPARE(s.window.form().At("optDraftYes").value, 1);
    QVERIFY(Child<QLineEdit>(s.window, "txtDiameter")->isVisible());
    // From "Yes" Tab goes on to the diameter, and back lands on "Yes", not "No".
    QTest::keyClick(yes, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(s.window, "txtDiameter"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), yes);
    QTest::keyClick(yes, Qt::Key_Down);
    QVERIFY(no->isChecked());
    QCOMPARE(s.window.form().At("optDraftYes").value, 0);
  }

  void saveAndOpenJobFiles() {
    InTempFolder folder;
    Shown s;
    const std::string path = folder.path("test.siz");
    s.window.services().save_file_name = [&](const QString&, const QString& filter) {
      [&] { QCOMPARE(filter, QStringLiteral("Sizing Files(*.siz)")); }();
      return path;
    };
    s.window.form().cmdTest_Click();
    Child<QAction>(s.window, "mnuFileSave")->trigger();
    QCOMPARE(s.window.windowTitle(), QString::fromStdString(path + " - Sizing Program"));

    Shown t;
    t.window.services().open_file_name = [&](const QString&, const QString&) { return path; };
    Child<QAction>(t.window, "mnuFileOpen")->trigger();
    QCOMPARE(t.window.windowTitle(), QString::fromStdString(path + " - Corvane Sizing Program"));
    QCOMPARE(Child<QLineEdit>(t.window, "txtBTU")->text(), QStringLiteral("9600000"));

    // A save that cannot be made says so, and the old file stays as it was.
    formkit::testing::ExpectTheSaveToFail(s, "mnuFileSave", folder.path("missing/x.siz"),
                                          QStringLiteral("Pipe Sizing"));
  }

  void backgroundColourIsStoredForTheNextRun() {
    InTempFolder folder;
    {
      Shown s;
      s.window.services().choose_color = [](unsigned) { return std::optional<unsigned>(0x0000FF); };
      Child<QAction>(s.window, "mnuOptionBackColor")->trigger();
      QCOMPARE(s.window.palette().color(QPalette::Window), QColor(255, 0, 0));
      QCOMPARE(s.window.frmCO2().palette().color(QPalette::Window), QColor(255, 0, 0));
    }
    QCOMPARE(formkit::ReadTextFile(folder.path("background.dat")),
             std::optional<std::string>("255\r\n"));
    Shown next;
    QCOMPARE(next.window.palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(Child<QCheckBox>(next.window, "chkCombinedVent")->palette().color(QPalette::Window),
             QColor(255, 0, 0));
  }

  void printFormGoesOutOnWhiteAndComesBack() {
    InTempFolder folder;
    Shown s;
    QColor during;
    s.window.services().print_form = [&](QWidget& widget, std::string*) {
      during = Child<QRadioButton>(s.window, "optDraftYes")->palette().color(QPalette::Window);
      // The form's client area, without the menu bar.
      return &widget == s.window.centralWidget();
    };
    Child<QAction>(s.window, "mnuFilePrintForm")->trigger();
    QCOMPARE(during, QColor(Qt::white));
    QCOMPARE(Child<QRadioButton>(s.window, "optDraftYes")->palette().color(QPalette::Window),
             QColor(224, 224, 224));
    QVERIFY(s.messages.isEmpty());
  }

  // The check box and both option buttons show the form's colour behind them: at start,
  // after a colour is chosen, and white while the form prints.
  void theThreeButtonsTakeTheFormColour() {
    InTempFolder folder;
    Shown s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    const char* buttons[] = {"chkCombinedVent", "optDraftYes", "optDraftNo"};
    // On the window as drawn, each button's background is that of the group box around it.
    const auto matchesItsSurroundings = [&](const char* name) {
      const QImage window = s.window.grab().toImage().convertToFormat(QImage::Format_RGB32);
      auto* button = Child<QWidget>(s.window, name);
      const QRect area(button->mapTo(&s.window, QPoint(0, 0)), button->size());
      const QRgb around = window.pixel(area.left() - 2, area.center().y());
      int same = 0;
      for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) same += window.pixel(x, y) == around;
      return double(same) / (area.width() * area.height()) > 0.5;
    };
    for (const char* name : buttons) QVERIFY2(matchesItsSurroundings(name), name);
    for (const char* name : buttons)
      QVERIFY2(ShareOf(Child<QWidget>(s.window, name), QColor(224, 224, 224)) > 0.5, name);
    s.window.services().choose_color = [](unsigned) { return std::optional<unsigned>(0x40A0FF); };
    Child<QAction>(s.window, "mnuOptionBackColor")->trigger();
    for (const char* name : buttons)
      QVERIFY2(ShareOf(Child<QWidget>(s.window, name), QColor(255, 160, 64)) > 0.5, name);
    for (const char* name : buttons) QVERIFY2(matchesItsSurroundings(name), name);
    std::vector<double> during;
    s.window.services().print_form = [&](QWidget&, std::string*) {
      for (const char* name : buttons) during.push_back(ShareOf(Child<QWidget>(s.window, name), Qt::white));
      return true;
    };
    Child<QAction>(s.window, "mnuFilePrintForm")->trigger();
    QCOMPARE(during.size(), size_t(3));
    for (double share : during) QVERIFY(share > 0.5);
  }

  void theFuelListShowsTheLongestFuelWhole() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QComboBox probe;
    probe.setSizeAdjustPolicy(QComboBox::AdjustToContents);
    probe.addItem(QStringLiteral("No. 6 Oil (Heavy)"));
    QVERIFY(Child<QComboBox>(s.window, "cmbFuelType")->width() >= probe.sizeHint().width());
  }

  // Results read like a calculator's: selectable, right-aligned, the unit beside each, the
  // caption itself as computed; Enter calculates; stale results are dimmed.
  void resultsEnterAndStaleResults() {
    Shown s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    auto* computed = Child<QLabel>(s.window, "lblComputedSize");
    QVERIFY(computed->alignment() & Qt::AlignRight);
    QVERIFY(computed->textInteractionFlags() & Qt::TextSelectableByMouse);
    QCOMPARE(Child<QLabel>(s.window, "lblComputedSizeUnit")->text(), QStringLiteral("Inches"));
    QCOMPARE(Child<QLabel>(s.window, "lblFlueGasVolumeUnit")->text(), QStringLiteral("CFM"));

    auto* btu = Child<QLineEdit>(s.window, "txtBTU");
    btu->setFocus();
    QTest::keyClick(btu, Qt::Key_Return);  // an empty job: the calculation warns
    QCOMPARE(s.messages.size(), 1);
    QVERIFY(s.messages[0].startsWith("Pipe Sizing|Missing "));

    s.window.form().cmdTest_Click();
    QCOMPARE(computed->text(), QStringLiteral(" 26.156"));
    const QColor normal = computed->palette().color(QPalette::WindowText);
    QVERIFY(!s.window.resultPanel().IsDimmed("lblComputedSize"));
    btu->selectAll();
    QTest::keyClicks(btu, "9600001");
    QVERIFY(s.window.resultPanel().IsDimmed("lblComputedSize"));
    QVERIFY(computed->palette().color(QPalette::WindowText) != normal);
    QCOMPARE(computed->text(), QStringLiteral(" 26.156"));
    QTest::keyClick(btu, Qt::Key_Backspace);
    QTest::keyClicks(btu, "0");  // the inputs the results came from again
    QVERIFY(!s.window.resultPanel().IsDimmed("lblComputedSize"));
    QTest::keyClick(btu, Qt::Key_Backspace);
    QTest::keyClicks(btu, "9");
    QVERIFY(s.window.resultPanel().IsDimmed("lblSystemK"));
    // Stale: italic, a tooltip saying so, and readable on the form's colour and on any
    // colour picked while it is stale.
    QVERIFY(computed->font().italic());
    QCOMPARE(computed->toolTip(), QStringLiteral("changed - press Calculate"));
    const auto contrast = [&] {
      const QWidget* under = computed->parentWidget();
      return formkit::ContrastRatio(computed->palette().color(QPalette::WindowText),
                                    under->palette().color(under->backgroundRole()));
    };
    QVERIFY(contrast() >= 4.5);
    for (const unsigned color : {0xFFE6C8u, 0x800000u, 0x404040u, 0xDDDDDDu}) {
      s.window.ApplyBackColor(color);
      QVERIFY2(contrast() >= 4.5, qPrintable(QString::number(color, 16)));
    }
    s.window.ApplyBackColor(sizing::kDesignBackColor);
    QTest::keyClick(btu, Qt::Key_Enter);
    QVERIFY(!s.window.resultPanel().IsDimmed("lblSystemK"));
    QCOMPARE(computed->palette().color(QPalette::WindowText), normal);
    QVERIFY(!computed->font().italic());
    QVERIFY(computed->toolTip().isEmpty());
  }

  void aJobNamedOnTheCommandLineOpensOrSaysWhyNot() {
    InTempFolder folder;
    const std::string path = folder.path("named.siz");
    {
      Shown s;
      s.window.form().cmdTest_Click();
      s.window.services().save_file_name = [&](const QString&, const QString&) { return path; };
      Child<QAction>(s.window, "mnuFileSave")->trigger();
    }
    Shown t;
    QVERIFY(t.window.OpenJobFile(path));
    QCOMPARE(Child<QLineEdit>(t.window, "txtBTU")->text(), QStringLiteral("9600000"));
    QVERIFY(t.messages.isEmpty());
    QVERIFY(!t.window.OpenJobFile(folder.path("none.siz")));
    QCOMPARE(t.messages.size(), 1);
    QVERIFY(t.messages[0].startsWith("Pipe Sizing|The job was not opened."));
    QVERIFY(t.messages[0].contains("none.siz"));
  }

  void reportNeedsTheContactFile() {
    InTempFolder folder;
    Shown s;
    int printed = 0;
    s.window.services().print_report = [&](const formkit::Report& report, std::string*) {
      ++printed;
      return !report.lines.empty();
    };
    Child<QAction>(s.window, "mnuFilePrintReport")->trigger();
    QCOMPARE(printed, 0);
    QCOMPARE(s.messages,
             QStringList{"Pipe Sizing|Error printing report, please complete Contact Information"});
    QVERIFY(formkit::WriteContactFile(NamedContact("Pat")));
    Child<QAction>(s.window, "mnuFilePrintReport")->trigger();
    QCOMPARE(printed, 1);
    QCOMPARE(s.messages.size(), 1);
  }

  // An input changed after Calculate: printing recalculates first, so the report page, the
  // sheet and the form hold one calculation; one that stops prints its sheet alone and no
  // report, and no mail goes out.
  void theSheetAndTheReportDescribeTheInputsOnTheForm() {
    InTempFolder folder;
    Shown s;
    QVERIFY(formkit::WriteContactFile(formkit::ContactInfo{}));
    formkit::testing::PrintedReports reports(s.window);
    auto& printed = reports.printed;
    RecordingSender sender;
    s.window.services().mail = &sender;
    s.window.form().cmdTest_Click();
    auto* btu = Child<QLineEdit>(s.window, "txtBTU");
    btu->setFocus();
    btu->selectAll();
    QTest::keyClicks(btu, "3000000");
    QVERIFY(s.window.resultPanel().AnyDimmed());
    Child<QAction>(s.window, "mnuFilePrintSheet")->trigger();
    QCOMPARE(printed.size(), size_t(1));
    QVERIFY(!s.window.resultPanel().AnyDimmed());
    const std::string text = formkit::ReportText(printed[0]);
    const size_t sheet = text.find("\f");
    QVERIFY(sheet != std::string::npos);
    // The sheet's inputs are the form's, and so are the report page's.
    const auto* read = [&]() -> const formkit::SheetEntry* {
      for (const auto& section : s.window.form().Sheet().sections())
        for (const auto& entry : section.entries)
          if (entry.name == "BTU input") return &entry;
      return nullptr;
    }();
    QVERIFY(read);
    QCOMPARE(read->value, std::string(" 3000000"));
    QVERIFY(text.find("BTU input                         3000000 BTU", sheet) != std::string::npos);
    QVERIFY(text.find("BTU Input                         3000000 BTU") < sheet);
    QVERIFY(text.find("2500000") == std::string::npos);
    QVERIFY(text.find("9600000") == std::string::npos);
    const std::string computed = s.window.form().Text("lblComputedSize");
    QVERIFY(computed != " 26.156");
    QVERIFY(text.find(computed.substr(1) + " Inches") < sheet);
    QVERIFY(s.messages.isEmpty());

    // A change whose calculation stops: the sheet alone, saying where; no report, no mail.
    auto* height = Child<QLineEdit>(s.window, "txtSysHeight");
    height->setFocus();
    height->selectAll();
    QTest::keyClicks(height, "0");
    Child<QLineEdit>(s.window, "txtSysLength")->setFocus();
    s.messages.clear();
    printed.clear();
    Child<QAction>(s.window, "mnuFilePrintSheet")->trigger();
    QCOMPARE(printed.size(), size_t(1));
    const std::string stopped = formkit::ReportText(printed[0]);
    QVERIFY(stopped.find("Given Information") == std::string::npos);
    QVERIFY(stopped.find("The calculation stopped in") != std::string::npos);
    s.messages.clear();
    Child<QAction>(s.window, "mnuFilePrintReport")->trigger();
    QCOMPARE(printed.size(), size_t(1));
    QCOMPARE(s.messages.size(), 2);  // the calculation's own message, then the refusal
    QVERIFY(s.messages[1].startsWith("Pipe Sizing|The report was not printed."));
    Child<QAction>(s.window, "mnuFileSendEmail")->trigger();
    QVERIFY(sender.sent.empty());
    QVERIFY(s.messages.last().startsWith("Pipe Sizing|Email was not sent."));
  }

  // The sheet prints without contact details; the report needs them.
  void theSheetPrintsWithoutContactDetails() {
    InTempFolder folder;
    Shown s;
    formkit::testing::PrintedReports reports(s.window);
    auto& printed = reports.printed;
    s.window.form().cmdTest_Click();
    Child<QAction>(s.window, "mnuFilePrintSheet")->trigger();
    QCOMPARE(printed.size(), size_t(1));
    const std::string text = formkit::ReportText(printed[0]);
    QVERIFY(text.rfind("Calculation Sheet  -  Corvane Sizing Program Test  -  ", 0) == 0);
    QVERIFY(text.find("Contact Information") == std::string::npos);
    QVERIFY(s.messages.isEmpty());
  }

  void printCalculationSheetFollowsPrintForm() {
    InTempFolder folder;
    Shown s;
    QStringList file;
    for (QAction* action : Child<QMenu>(s.window, "mnuFile")->actions()) file << action->objectName();
    const qsizetype form = file.indexOf("mnuFilePrintForm");
    QCOMPARE(file.value(form + 1), QStringLiteral("mnuFilePrintSheet"));
    QCOMPARE(Child<QAction>(s.window, "mnuFilePrintSheet")->text(),
             QStringLiteral("Print Calculation &Sheet"));
    QVERIFY(formkit::WriteContactFile(formkit::ContactInfo{}));
    formkit::testing::PrintedReports reports(s.window);
    auto& printed = reports.printed;
    s.window.form().cmdTest_Click();
    Child<QAction>(s.window, "mnuFilePrintSheet")->trigger();
    QCOMPARE(printed.size(), size_t(1));
    const std::string text = formkit::ReportText(printed[0]);
    QVERIFY(text.find("in the 2012 ASHRAE HANDBOOK") < text.find("\f"));
    QVERIFY(text.find("Calculation Sheet") > text.find("\f"));
    QVERIFY(text.find("       26.156 Inches") != std::string::npos);
    QVERIFY(s.messages.isEmpty());
  }

  // With every contact field filled in and a description of 110 characters the report is
  // one page on Letter and on A4, in type no smaller than 9 point, and nothing passes the
  // right edge of the printable area.
  void theFullestReportIsOnePageOnLetterAndA4() {
    Shown s;
    s.window.form().cmdTest_Click();
    s.window.form().SetText("txtJobDescription", formkit::testing::kLongDescription);
    s.window.form().SetText("txtCustomer", "Corvane's Most Valuable Customer of the Greater Area");
    const auto report = sizing::BuildReport(s.window.form(), formkit::testing::FullestContact(), "12/31/2026");
    QVERIFY(report);
    formkit::testing::ExpectOnePageOnLetterAndA4(*report,
                                                 QStringLiteral("in the 2012 ASHRAE HANDBOOK"));
  }

  void emailTakesTheNameFromTheContactFile() {
    InTempFolder folder;
    Shown s;
    RecordingSender sender;
    s.window.services().mail = &sender;
    QVERIFY(formkit::WriteContactFile(NamedContact("Your Name")));
    s.window.form().cmdTest_Click();
    Child<QAction>(s.window, "mnuFileSendEmail")->trigger();
    QCOMPARE(sender.sent.size(), size_t(1));
    QVERIFY(sender.sent[0].body.rfind("Customer:", 0) == 0);
    QVERIFY(s.messages.isEmpty());
    sender.accept = false;
    Child<QAction>(s.window, "mnuFileSendEmail")->trigger();
    QCOMPARE(s.messages, QStringList{"Pipe Sizing|Email was not sent."});
  }

  void dialogsOpenFromTheirButtonsAndStayLoaded() {
    InTempFolder folder;
    Shown s;
    QTest::mouseClick(Child<QPushButton>(s.window, "cmdCO2"), Qt::LeftButton);
    auto* co2 = s.window.findChild<QDialog*>("frmCO2");
    QVERIFY(co2 && co2->isVisible());
    Child<QRadioButton>(s.window, "optNatGas2")->click();
    QTest::mouseClick(co2->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(!co2->isVisible());
    QCOMPARE(Child<QLineEdit>(s.window, "txtCO2")->text(), QStringLiteral("6.0"));
    QCOMPARE(s.window.form().Text("txtCO2"), std::string("6.0"));
    QTest::mouseClick(Child<QPushButton>(s.window, "cmdCO2"), Qt::LeftButton);
    QCOMPARE(s.window.findChild<QDialog*>("frmCO2"), co2);  // the same instance again
    const std::pair<const char*, const char*> opened[] = {{"Command1", "frmTempRise"},
                                                          {"cmdAltitude", "frmAltitude"},
                                                          {"cmdOutletDraft", "frmOutletDraft"},
                                                          {"Command2", "frmCombinedVent"}};
    for (const auto& [button, dialog] : opened) {
      QTest::mouseClick(Child<QPushButton>(s.window, button), Qt::LeftButton);
      auto* shown = s.window.findChild<QDialog*>(dialog);
      QVERIFY2(shown && shown->isVisible(), dialog);
    }
    Child<QAction>(s.window, "mnuOptionsKFactor")->trigger();
    QVERIFY(s.window.findChild<QDialog*>("frmKFactors")->isVisible());
    Child<QAction>(s.window, "mnuContactAddress")->trigger();
    QVERIFY(s.window.findChild<QDialog*>("frmContactInfo")->isVisible());
  }
};

QTEST_MAIN(FrmSizingWindowTest)
#include "frm_sizing_window_test.moc"
