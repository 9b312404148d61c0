// What the programs' window tests share: a shown window that records its message boxes, a
// private current folder, and child lookup (and the recording mail sender).
#pragma once

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QPdfWriter>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QtGlobal>
#include <span>
#include <string>
#include <vector>

#include "formkit/contact.h"
#include "formkit/quantity.h"
#include "formkit_print/report_layout.h"
#include "formkit_print/report_printer.h"
#include "recording_sender.h"

namespace formkit::testing {

// The child named `name`; a missing one ends the test run, naming it.
template <typename T>
T* Child(QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  if (!child) qFatal("no widget %s", name);
  return child;
}

// A program window, shown and activated, whose message boxes are recorded as
// "caption|text" instead of shown.
template <typename Window>
struct Shown {
  Window window;
  QStringList messages;
  Shown() {
    window.setMessageHandler([this](const std::string& text, const std::string& caption) {
      messages << QString::fromStdString(caption + "|" + text);
    });
    window.show();
    window.activateWindow();
  }
};

// What a window hands its printer: every report, in order; the printer always succeeds.
struct PrintedReports {
  std::vector<formkit::Report> printed;
  template <typename Window>
  explicit PrintedReports(Window& window) {
    window.services().print_report = [this](const formkit::Report& report, std::string*) {
      printed.push_back(report);
      return true;
    };
  }
};

// Saving through the menu command `menu` to `path`, in a folder that does not exist, shows
// one message, under the program's `title`, that says where and why. Fails the running test
// where it does not.
template <typename Window>
void ExpectTheSaveToFail(Shown<Window>& s, const char* menu, const std::string& path,
                         const QString& title) {
  s.window.services().save_file_name = [path](const QString&, const QString&) { return path; };
  Child<QAction>(s.window, menu)->trigger();
  QCOMPARE(s.messages.size(), 1);
  QVERIFY(s.messages[0].startsWith(title + QStringLiteral("|The job was not saved.")));
  QVERIFY2(s.messages[0].contains(QString::fromStdString(path)), qPrintable(s.messages[0]));
  QVERIFY2(s.messages[0].contains(QStringLiteral("does not exist")), qPrintable(s.messages[0]));
}

// The program's icon, drawn from its SVG, is the window's and so its dialogs'.
template <typename Window>
bool HasTheProgramIcon(Window& window) {
  const QImage icon = window.windowIcon().pixmap(32, 32).toImage();
  return !icon.isNull() && qAlpha(icon.pixel(16, 16)) == 255 &&
         window.frmContactInfo().windowIcon().cacheKey() == window.windowIcon().cacheKey();
}

// A modeless dialog named `name` whose button `button` hides it without destroying it;
// `dialog` is deleted afterwards. Fails the running test where it does not.
inline void ExpectButtonHidesTheDialog(QDialog* created, const char* name, const char* button) {
  QPointer<QDialog> dialog(created);
  QCOMPARE(dialog->objectName(), QString::fromLatin1(name));
  QVERIFY(!dialog->isModal());
  dialog->show();
  QTest::mouseClick(Child<QPushButton>(*dialog, button), Qt::LeftButton);
  QApplication::processEvents();
  QVERIFY(dialog);
  QVERIFY(!dialog->isVisible());
  delete dialog;
}

// Each test that touches files works in a folder of its own, as the programs do in the
// current directory.
struct InTempFolder {
  QTemporaryDir dir;
  QString old = QDir::currentPath();
  InTempFolder() { QDir::setCurrent(dir.path()); }
  ~InTempFolder() { QDir::setCurrent(old); }
  std::string path(const char* name) const {
    return dir.filePath(QString::fromLatin1(name)).toStdString();
  }
};

// Where the window disagrees with the program's table of quantities: for each row, the
// caption in the grid cell left of its control, and for each result with a unit, the unit
// label beside it. Empty when they agree.
inline QStringList DisagreementsWith(QWidget& window, std::span<const formkit::Quantity> table) {
  QStringList wrong;
  for (const formkit::Quantity& q : table) {
    const QString name = QString::fromLatin1(q.control.data(), q.control.size());
    const QString caption = QString::fromUtf8(q.caption.data(), q.caption.size());
    QWidget* control = window.findChild<QWidget*>(name);
    QString shown = QStringLiteral("(no control)");
    for (QGridLayout* grid :
         control ? window.findChildren<QGridLayout*>() : QList<QGridLayout*>{}) {
      const int index = grid->indexOf(control);
      if (index < 0) continue;
      int row, column, rows, columns;
      grid->getItemPosition(index, &row, &column, &rows, &columns);
      QLayoutItem* left = column > 0 ? grid->itemAtPosition(row, column - 1) : nullptr;
      auto* label = left ? qobject_cast<QLabel*>(left->widget()) : nullptr;
      shown = label ? label->text() : QStringLiteral("(no caption)");
    }
    if (shown != caption) wrong << name + ": " + shown + " is not " + caption;
    if (q.IsResult() && !q.unit.empty()) {
      auto* unit = window.findChild<QLabel*>(name + QStringLiteral("Unit"));
      const QString expected = QString::fromUtf8(q.unit.data(), q.unit.size());
      if (!unit || unit->text() != expected) wrong << name + ": no unit " + expected;
    }
  }
  return wrong;
}

// The window, once shown, has the program's icon, and the captions beside the quantities
// and the units beside the results are those of the program's table, which the report, the
// mail and the sheet are made from too. Fails the running test where it does not.
template <typename Window>
void ExpectTheProgramsDesign(Window& window, std::span<const formkit::Quantity> table) {
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QVERIFY(HasTheProgramIcon(window));
  QCOMPARE(DisagreementsWith(window, table), QStringList());
}

// A contact with only its name filled in.
inline formkit::ContactInfo NamedContact(const char* name) {
  formkit::ContactInfo contact;
  contact.fields[0] = name;
  return contact;
}

// The fullest contact block a user fills in: every field, each long.
inline formkit::ContactInfo FullestContact() {
  return formkit::ContactInfo{{"Jonathan Q. Longname-Example",
                               "Longname Engineering and Mechanical Contractors Inc.",
                               "12345 Industrial Parkway Suite 1200",
                               "Building C, Attn: Engineering Dept.", "Springfield", "IL",
                               "62701-1234", "(217) 555-0100 ext 1234", "(217) 555-0199",
                               "jonathan.longname@example-engineering.com",
                               "https://www.example-engineering.com/sizing"}};
}

// A job description of 110 characters.
inline const char* kLongDescription =
    "Replacement of the boiler plant vent for the north wing mechanical room, with breeching "
    "and stack cap (phase2)";

// The report laid out on `paper` with the report margins, as it is printed.
inline std::vector<formkit::ReportPage> PagesOn(const formkit::Report& report,
                                                QPageSize::PageSizeId paper, QSizeF* area,
                                                const QTemporaryDir& dir) {
  QPdfWriter writer(dir.filePath(QStringLiteral("layout.pdf")));
  writer.setPageSize(QPageSize(paper));
  formkit::SetReportMargins(writer);
  writer.setResolution(300);
  *area = QSizeF(writer.width(), writer.height());
  return formkit::LayOutReport(report, writer, *area);
}

// The report of the fullest job (every contact field, a long description and customer) is
// one page on Letter and on A4, in type no smaller than 9 point, nothing passing the right
// edge of the printable area, with the end of the description and `last` on it. Fails the
// running test where it does not.
inline void ExpectOnePageOnLetterAndA4(const formkit::Report& report, const QString& last) {
  for (const auto paper : {QPageSize::Letter, QPageSize::A4}) {
    QTemporaryDir dir;
    QSizeF area;
    const auto pages = PagesOn(report, paper, &area, dir);
    QCOMPARE(pages.size(), size_t(1));
    QString text;
    for (const formkit::PlacedRun& run : pages[0].runs) {
      QVERIFY(run.font.pointSizeF() >= 9);
      QVERIFY2(run.baseline.x() + run.width <= area.width(), qPrintable(run.text));
      text += run.text + QLatin1Char(' ');
    }
    QVERIFY(text.contains(QStringLiteral("stack cap (phase2)")));
    QVERIFY(text.contains(last));
  }
}

}  // namespace formkit::testing
