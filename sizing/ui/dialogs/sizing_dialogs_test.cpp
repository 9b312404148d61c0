// The vent program's own dialogs under Qt Test: what the CO2 table hands to the main form,
// the splash's way out, and the closing buttons that only hide.
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "window_test_support.h"

#include "frm_co2.h"
#include "frm_combined_vent.h"
#include "frm_outlet_draft.h"
#include "company_logo.h"
#include "frm_splash.h"
#include <QScreen>
#include <cstdlib>
#include "frm_temp_rise.h"

using sizing::FrmCO2;
using sizing::FrmSplash;

namespace {

using formkit::testing::Child;

}  // namespace

class SizingDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void co2DoneHandsOverTheSelectedRow_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("text");
    QTest::newRow("barometric damper") << "optNatGas2"
                                       << "6.0";
    QTest::newRow("forced draft oil") << "optOil"
                                      << "13.5";
    QTest::newRow("incinerator") << "OptWaste"
                                 << "9.0";
  }
  void co2DoneHandsOverTheSelectedRow() {
    QFETCH(QString, option);
    QFETCH(QString, text);
    FrmCO2 dialog;
    QSignalSpy picked(&dialog, &FrmCO2::co2Picked);
    dialog.show();
    QTest::mouseClick(Child<QRadioButton>(dialog, option.toLatin1().constData()), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(dialog, "Command1"), Qt::LeftButton);
    QCOMPARE(picked.size(), 1);
    QCOMPARE(picked[0][0].toString(), text);
    QVERIFY(!dialog.isVisible());

    // Shown again, the same row is still selected and "&Done" hands it over again.
    dialog.show();
    QVERIFY(Child<QRadioButton>(dialog, option.toLatin1().constData())->isChecked());
    QTest::mouseClick(Child<QPushButton>(dialog, "Command1"), Qt::LeftButton);
    QCOMPARE(picked.size(), 2);
    QCOMPARE(picked[1][0].toString(), text);
  }

  void co2DoneWithoutSelectionWritesNothing() {
    FrmCO2 dialog;
    QSignalSpy picked(&dialog, &FrmCO2::co2Picked);
    dialog.show();
    for (QRadioButton* option : dialog.findChildren<QRadioButton*>())
      QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
    QTest::mouseClick(Child<QPushButton>(dialog, "Command1"), Qt::LeftButton);
    QCOMPARE(picked.size(), 0);
    QVERIFY(!dialog.isVisible());
  }

  void splashShowsTheVersionAndTitle() {
    FrmSplash splash(2, 0, 1);
    QCOMPARE(Child<QLabel>(splash, "lblVersion")->text(), QStringLiteral("Version 2.0.1"));
    QCOMPARE(Child<QLabel>(splash, "lblProductName")->text(), QStringLiteral("Pipe Sizing"));
    FrmSplash later(12, 3, 45);
    QCOMPARE(Child<QLabel>(later, "lblVersion")->text(), QStringLiteral("Version 12.3.45"));
  }

  // The splash opens in the middle of the screen, its logo drawn for the screen's pixels.
  void splashIsCentredWithASharpLogo() {
    FrmSplash splash(1, 0, 0);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    const QPoint middle = splash.screen()->availableGeometry().center();
    QVERIFY(std::abs(splash.geometry().center().x() - middle.x()) <= 1);
    QVERIFY(std::abs(splash.geometry().center().y() - middle.y()) <= 1);
    const QPixmap logo = Child<QLabel>(splash, "imgLogo")->pixmap();
    QCOMPARE(logo.devicePixelRatio(), splash.devicePixelRatioF());
    const QPixmap doubled = sizing::CompanyLogo(140, 2.0);
    QCOMPARE(doubled.size(), QSize(280, 280));  // every device pixel drawn, none scaled up
    QCOMPARE(doubled.devicePixelRatio(), 2.0);
    QCOMPARE(doubled.deviceIndependentSize(), QSizeF(140, 140));
  }

  void splashSwitchesOnAnyKeyOnce() {
    FrmSplash splash(1, 0, 0);
    QSignalSpy switched(&splash, &FrmSplash::switchToMain);
    splash.show();
    QVERIFY(QTest::qWaitForWindowActive(&splash));
    QTest::keyClick(&splash, Qt::Key_Q);
    QCOMPARE(switched.size(), 1);
    QTest::keyClick(&splash, Qt::Key_Space);
    QCOMPARE(switched.size(), 1);
  }

  void splashSwitchesOnAClick_data() {
    QTest::addColumn<QString>("target");
    for (const char* name : {"Frame1", "imgLogo", "lblCompanyProduct", "lblProductName",
                             "lblPlatform", "lblVersion", "lblWarning", "lblCompany"})
      QTest::newRow(name) << name;
  }
  void splashSwitchesOnAClick() {
    QFETCH(QString, target);
    FrmSplash splash(1, 0, 0);
    QSignalSpy switched(&splash, &FrmSplash::switchToMain);
    splash.show();
    QTest::mouseClick(Child<QWidget>(splash, target.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(switched.size(), 1);
  }

  void referenceDialogsHideWithoutDestroying() {
    using formkit::testing::ExpectButtonHidesTheDialog;
    ExpectButtonHidesTheDialog(new sizing::FrmTempRise, "frmTempRise", "Command1");
    ExpectButtonHidesTheDialog(new sizing::FrmCombinedVent, "frmCombinedVent", "cmdDone");
    ExpectButtonHidesTheDialog(new sizing::FrmOutletDraft, "frmOutletDraft", "cmdDone");
    ExpectButtonHidesTheDialog(new FrmCO2, "frmCO2", "Command1");
  }
};

QTEST_MAIN(SizingDialogsTest)
#include "sizing_dialogs_test.moc"
