// The shared dialogs under Qt Test: the contact dialog against real files in a temporary
// directory, the reference tables' layout and closing buttons, and the mirroring of a
// headless form into its window.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "window_test_support.h"
#include <csignal>

#include "formkit/contact.h"
#include "formkit_qt/form_mirror.h"
#include "formkit_qt/frm_altitude.h"
#include "formkit_qt/frm_contact_info.h"
#include "formkit_qt/frm_k_factors.h"
#include "formkit_qt/message_box.h"
#include "formkit_qt/result_panel.h"

using formkit::ContactInfo;
using formkit::FrmAltitude;
using formkit::FrmContactInfo;
using formkit::FrmKFactors;

namespace {

ContactInfo Contact(const std::string& prefix) {
  ContactInfo info;
  for (size_t i = 0; i < info.fields.size(); ++i)
    info.fields[i] = prefix + " " + formkit::kContactControls[i];
  return info;
}

// A form with one control of each kind a window mirrors.
class SmallForm : public formkit::Form {
 public:
  SmallForm() : Form("Small") {
    Declare("txtA", formkit::ControlKind::kTextBox, "1");
    Declare("lblB", formkit::ControlKind::kLabel, " 2.5");
    Declare("cmdC", formkit::ControlKind::kButton, "&Go");
    Declare("cmbD", formkit::ControlKind::kList);
    Declare("txtNoWidget", formkit::ControlKind::kTextBox);
  }
};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using formkit::testing::Child;

QLabel* LabelWithText(QWidget& parent, const QString& text) {
  for (QLabel* label : parent.findChildren<QLabel*>())
    if (label->text() == text) return label;
  qFatal("no label %s", qPrintable(text));
}

// Makes every file write of this process fail while it lives: a read-only directory for
// ordinary users, a one-byte file size limit for root (who writes through permissions).
class WritesFail {
 public:
  explicit WritesFail(const QString& dir) : dir_(dir) {
    if (::geteuid() != 0) {
      QFile::setPermissions(dir_, QFile::ReadOwner | QFile::ExeOwner);
      return;
    }
    std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit tiny = saved_;
    tiny.rlim_cur = 1;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    limited_ = true;
  }
  ~WritesFail() {
    if (limited_) ::setrlimit(RLIMIT_FSIZE, &saved_);
    QFile::setPermissions(dir_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

 private:
  QString dir_;
  rlimit saved_{};
  bool limited_ = false;
};

}  // namespace

class FormkitQtTest : public QObject {
  Q_OBJECT

 private slots:
  // A stale result reads at 4.5:1 or better on any background, and is still set apart from
  // the full-strength text where the background allows.
  void staleResultsReadOnEveryBackground() {
    QVERIFY(formkit::ContrastRatio(QColor(190, 190, 190), QColor(221, 221, 221)) < 1.5);
    QCOMPARE(qRound(formkit::ContrastRatio(Qt::black, Qt::white)), 21);
    for (int r = 0; r <= 255; r += 15)
      for (int g = 0; g <= 255; g += 15)
        for (int b = 0; b <= 255; b += 15) {
          const QColor background(r, g, b);
          const QColor stale = formkit::StaleTextColor(background);
          QVERIFY2(formkit::ContrastRatio(stale, background) >= 4.5,
                   qPrintable(background.name() + " " + stale.name()));
        }
    QVERIFY(formkit::StaleTextColor(QColor(224, 224, 224)) != QColor(Qt::black));
    QVERIFY(formkit::StaleTextColor(QColor(0, 0, 128)).lightness() > 128);
  }

  void contactLoadsTheLastRecordAndAMissingFileEmpties() {
    QTemporaryDir dir;
    const std::string first = dir.filePath("first").toStdString();
    const std::string second = dir.filePath("second").toStdString();
    const QString path = dir.filePath("contact.dat");
    QVERIFY(formkit::WriteContactFile(Contact("old"), first));
    QVERIFY(formkit::WriteContactFile(Contact("new"), second));
    QFile both(path);
    QVERIFY(both.open(QIODevice::WriteOnly));
    both.write(ReadAll(QString::fromStdString(first)) + ReadAll(QString::fromStdString(second)));
    both.close();

    FrmContactInfo dialog(path.toStdString());
    QCOMPARE(Child<QLineEdit>(dialog, "txtName")->text(), QStringLiteral("new txtName"));
    QCOMPARE(Child<QLineEdit>(dialog, "txtWebSite")->text(), QStringLiteral("new txtWebSite"));
    QVERIFY(dialog.contact().fields == Contact("new").fields);

    QVERIFY(QFile::remove(path));
    dialog.Load_Contact_Info();
    for (const char* name : formkit::kContactControls)
      QVERIFY2(Child<QLineEdit>(dialog, name)->text().isEmpty(), name);
  }

  void contactSaveWritesTheFileAndRelabelsCancel() {
    QTemporaryDir dir;
    const QString path = dir.filePath("contact.dat");
    FrmContactInfo dialog(path.toStdString());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* name = Child<QLineEdit>(dialog, "txtName");
    auto* cancel = Child<QPushButton>(dialog, "cmdContactCancel");
    QCOMPARE(cancel->text(), QStringLiteral("&Cancel"));
    QTest::keyClicks(name, QStringLiteral("Pat Doe"));
    QTest::keyClicks(Child<QLineEdit>(dialog, "txtEMail"), QStringLiteral("pat@example.com"));

    QTest::mouseClick(Child<QPushButton>(dialog, "cmdContactSave"), Qt::LeftButton);
    const auto saved = formkit::ReadContactFile(path.toStdString());
    QVERIFY(saved.has_value());
    QCOMPARE(saved->name(), std::string("Pat Doe"));
    QCOMPARE(saved->email(), std::string("pat@example.com"));
    QCOMPARE(cancel->text(), QStringLiteral("Close"));
    QCOMPARE(QApplication::focusWidget(), cancel);
    QVERIFY(dialog.isVisible());

    // "Close" still only hides, and keeps its caption for the rest of the run.
    QTest::mouseClick(cancel, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    dialog.show();
    QCOMPARE(cancel->text(), QStringLiteral("Close"));
  }

  void contactFailedSaveKeepsTheOldFileAndTheDialog() {
    QTemporaryDir dir;
    const QString path = dir.filePath("contact.dat");
    QVERIFY(formkit::WriteContactFile(Contact("old"), path.toStdString()));
    const QByteArray before = ReadAll(path);
    FrmContactInfo dialog(path.toStdString());
    QStringList messages;
    dialog.setMessageHandler([&](const QString& text, const QString& caption) {
      messages << caption + QLatin1Char('|') + text;
    });
    dialog.show();
    Child<QLineEdit>(dialog, "txtName")->setText(QStringLiteral("changed"));

    {
      WritesFail fail(dir.path());
      QTest::mouseClick(Child<QPushButton>(dialog, "cmdContactSave"), Qt::LeftButton);
    }
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith(
                 QStringLiteral("Contact Information|The contact information was not saved.")),
             qPrintable(messages[0]));
    QVERIFY2(messages[0].contains(path), qPrintable(messages[0]));  // and why
    QCOMPARE(ReadAll(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("contact.dat")});
    QCOMPARE(Child<QPushButton>(dialog, "cmdContactCancel")->text(), QStringLiteral("&Cancel"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(Child<QLineEdit>(dialog, "txtName")->text(), QStringLiteral("changed"));
  }

  void contactCancelHidesAndKeepsWhatWasTyped() {
    QTemporaryDir dir;
    const QString path = dir.filePath("contact.dat");
    QPointer<FrmContactInfo> dialog = new FrmContactInfo(path.toStdString());
    dialog->show();
    Child<QLineEdit>(*dialog, "txtCity")->setText(QStringLiteral("Helena"));
    QTest::mouseClick(Child<QPushButton>(*dialog, "cmdContactCancel"), Qt::LeftButton);
    QApplication::processEvents();
    QVERIFY(dialog);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!QFile::exists(path));
    dialog->show();
    QCOMPARE(Child<QLineEdit>(*dialog, "txtCity")->text(), QStringLiteral("Helena"));
    QCOMPARE(dialog->contact().city(), std::string("Helena"));
    delete dialog;
  }

  void kFactorTablesShowEachProgramsFittings() {
    const QStringList vent = {"90 Tee:",
                              "90 Wye:",
                              "90 Elbow:",
                              "45 Tee:",
                              "45 Elbow",
                              "30 Elbow:",
                              "Tapered Increaser:",
                              "Step Increaser:",
                              "Exit Cone:",
                              "Stack Cap:",
                              "Drain Section:",
                              "Lined Bellows:",
                              "Draft Hood:",
                              "Barometric Damper:",
                              "Muffler"};
    QStringList labels;
    for (const auto& row : FrmKFactors::VentRows()) labels << row.label;
    QCOMPARE(labels, vent);

    QStringList exhaust = vent;
    exhaust.removeAll(QStringLiteral("Draft Hood:"));
    exhaust.removeAll(QStringLiteral("Barometric Damper:"));
    labels.clear();
    for (const auto& row : FrmKFactors::ExhaustRows()) labels << row.label;
    QCOMPARE(labels, exhaust);
  }

  void kFactorsFillTheLeftColumnFirst() {
    // The exhaust program's main form puts Tapered Increaser last on the left and Step
    // Increaser first on the right; its table does the same.
    FrmKFactors dialog(FrmKFactors::ExhaustRows(), 2);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QRect tee = LabelWithText(dialog, QStringLiteral("90 Tee:"))->geometry();
    const QRect tapered = LabelWithText(dialog, QStringLiteral("Tapered Increaser:"))->geometry();
    const QRect step = LabelWithText(dialog, QStringLiteral("Step Increaser:"))->geometry();
    const QRect muffler = LabelWithText(dialog, QStringLiteral("Muffler"))->geometry();
    QCOMPARE(tapered.left(), tee.left());
    QVERIFY(tapered.top() > tee.top());
    QCOMPARE(step.top(), tee.top());
    QVERIFY(step.left() > tee.right());
    QCOMPARE(muffler.left(), step.left());
    QVERIFY(muffler.top() < tapered.top());
  }

  void closingButtonsHideWithoutDestroying() {
    using formkit::testing::ExpectButtonHidesTheDialog;
    ExpectButtonHidesTheDialog(new FrmKFactors(FrmKFactors::VentRows(), 1), "frmKFactors",
                               "cmdDone");
    ExpectButtonHidesTheDialog(new FrmAltitude, "frmAltitude", "cmdAltitudeOK");
  }

  void windowsMirrorTheirHeadlessForm() {
    SmallForm form;
    QWidget window;
    auto* a = new QLineEdit(&window);
    a->setObjectName("txtA");
    auto* b = new QLabel(&window);
    b->setObjectName("lblB");
    auto* c = new QPushButton(&window);
    c->setObjectName("cmdC");
    auto* d = new QComboBox(&window);
    d->setObjectName("cmbD");
    form.SetItems("cmbD", {"x", "y"});
    form.SetValue("cmbD", 1);
    form.SetVisible("lblB", false);
    formkit::MirrorForm(form, window);
    QCOMPARE(window.windowTitle(), QStringLiteral("Small"));
    QCOMPARE(a->text(), QStringLiteral("1"));
    QCOMPARE(b->text(), QStringLiteral(" 2.5"));
    QVERIFY(b->isHidden());
    QCOMPARE(c->text(), QStringLiteral("&Go"));
    QCOMPARE(d->count(), 2);
    QCOMPARE(d->currentText(), QStringLiteral("y"));

    // An unchanged text leaves the user's cursor where it is.
    a->setText("12");
    a->setCursorPosition(1);
    form.SetText("txtA", "12");
    formkit::MirrorControl(form, window, "txtA");
    QCOMPARE(a->cursorPosition(), 1);
  }

  // A one-word message still gives its title bar room for the whole caption.
  void messageBoxesAreWideEnoughForTheirCaption() {
    for (const QString& caption : {QStringLiteral("Pipe Sizing"), QStringLiteral("Missing Data"),
                                  QStringLiteral("Contact Information")}) {
      auto box = formkit::MakeMessageBox(nullptr, QMessageBox::NoIcon, caption, "x");
      box->show();
      QVERIFY2(box->width() >= formkit::MessageBoxMinimumWidth(caption), qPrintable(caption));
      QVERIFY(formkit::MessageBoxMinimumWidth(caption) >
              QFontMetrics(QApplication::font()).horizontalAdvance(caption));
      QCOMPARE(box->text(), QStringLiteral("x"));
      QCOMPARE(box->standardButtons(), QMessageBox::Ok);
      box->close();
    }
  }

  // A long file name wraps inside a box no wider than a screen, every character kept.
  void aLongFileNameWrapsInTheMessageBox() {
    const std::string name = "/home/user/jobs/" + std::string(252, 'n') + ".siz";
    const std::string text = "The job was not saved.\r\n\r\nIt could not be written to " + name +
                             ", because the name is too long.";
    auto box = formkit::MakeMessageBox(nullptr, QMessageBox::NoIcon, "Pipe Sizing", text);
    box->show();
    QVERIFY(box->width() < 1000);
    QString shown = box->text();
    QVERIFY(shown.contains(QChar(0x200B)));
    shown.remove(QChar(0x200B));
    QCOMPARE(shown, formkit::MessageBoxText(text));
    QCOMPARE(formkit::BreakableText(QStringLiteral("short words / stay")),
             QStringLiteral("short words / stay"));
    QCOMPARE(formkit::BreakableText(QStringLiteral("/a/b")),
             QStringLiteral("/a/") + QChar(0x200B) + QStringLiteral("b"));
    box->close();
  }

  void messageBoxTextHasOneLineFeedPerBreak() {
    QCOMPARE(formkit::MessageBoxText("a\r\nb\n\rc\rd\ne"), QStringLiteral("a\nb\nc\nd\ne"));
    QCOMPARE(formkit::MessageBoxText("x: \n\r    A\n\r    B"), QStringLiteral("x: \n    A\n    B"));
  }
};

QTEST_MAIN(FormkitQtTest)
#include "formkit_qt_test.moc"
