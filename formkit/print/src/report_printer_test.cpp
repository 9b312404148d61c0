// The report drawn into a PDF: one page, and the text that went in comes back out.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <QPdfWriter>

#include "formkit/calc_sheet.h"
#include "formkit_print/report_layout.h"
#include "formkit_print/report_printer.h"
#include "formkit_print/watched_mail_sender.h"

namespace {

// The text of a PDF file as pdftotext reads it back, pages ended by form feeds.
QString PdfText(const QString& path) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) return QString();
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// A report longer than any page: a heading, 90 numbered value lines, the closing note.
formkit::Report LongReport() {
  formkit::ReportWriter w;
  w.Font("ms sans serif").Size(14).Zone(2).Print("Contact Information").EndLine();
  w.Font("Courier New").Size(10);
  for (int i = 1; i <= 90; ++i) formkit::ValueLine(w, "Line " + std::to_string(i), "1", "Each");
  w.Zone().Print("in the 2012 ASHRAE HANDBOOK HVAC Systems and Equipment ").EndLine();
  return w.Finish();
}

}  // namespace

class ReportPrinterTest : public QObject {
  Q_OBJECT

 private slots:
  void writesAOnePagePdfWithTheText() {
    formkit::ReportWriter w;
    w.Font("ms sans serif").Size(14).Zone(2).Print("Contact Information").EndLine();
    w.Font("Courier New").Size(10);
    formkit::ValueLine(w, "BTU Input", "9600000", "BTU");
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    std::string error;
    QVERIFY2(formkit::WriteReportPdf(w.Finish(), path.toStdString(), &error), error.c_str());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "),
             1);
  }

  // Whatever the paper, every line reaches it: a report that does not fit goes on over
  // further pages.
  void aLongReportGoesOnToNewPagesOnA4AndLetter() {
    for (const auto paper : {QPageSize::A4, QPageSize::Letter}) {
      QTemporaryDir dir;
      const QString path = dir.filePath("long.pdf");
      std::string error;
      QVERIFY2(formkit::WriteReportPdf(LongReport(), path.toStdString(), &error, paper),
               error.c_str());
      const QString text = PdfText(path);
      QVERIFY2(text.contains("Line 1 "), qPrintable(text));
      QVERIFY(text.contains("Line 90 "));
      QVERIFY(text.contains("in the 2012 ASHRAE HANDBOOK HVAC Systems and Equipment"));
      QCOMPARE(text.count(QLatin1Char('\f')), 2);  // two pages
    }
  }

  // Text printed straight after other text starts where that text really ends, in the
  // proportional font as in the fixed one; nothing is drawn over anything else.
  void textPrintedAfterTextFollowsItsRealAdvance() {
    formkit::ReportWriter w;
    w.Font("ms sans serif").Size(10).Zone(2).Print("Prepared by:").Print("WWWW Wide").EndLine();
    w.Zone().Print("MMMMMMMMMMMMMMMMMMMM").Column(36).Print("after").EndLine();
    w.Font("Courier New").Zone().Print("Customer:").Print("  ").Print("ACME").EndLine();
    const formkit::Report report = w.Finish();
    QTemporaryDir dir;
    QPdfWriter device(dir.filePath("x.pdf"));
    device.setResolution(300);
    const auto pages = formkit::LayOutReport(report, device, QSizeF(device.width(), device.height()));
    QCOMPARE(pages.size(), size_t(1));
    const auto& runs = pages[0].runs;
    QCOMPARE(runs.size(), size_t(7));
    QCOMPARE(runs[1].baseline.x(), runs[0].baseline.x() + runs[0].width);
    QVERIFY(runs[3].baseline.x() >= runs[2].baseline.x() + runs[2].width);
    QCOMPARE(runs[1].baseline.y(), runs[0].baseline.y());
    QVERIFY(runs[2].baseline.y() > runs[1].baseline.y());
    QCOMPARE(runs[6].baseline.x(), runs[5].baseline.x() + runs[5].width);
  }

  // The locale's paper: Letter only where its dimensions are Letter's; the C locale's is A4.
  void thePaperOfTheLocale() {
    QCOMPARE(formkit::PaperOfSize(216, 279), formkit::Paper::kLetter);
    QCOMPARE(formkit::PaperOfSize(210, 297), formkit::Paper::kA4);
    QCOMPARE(formkit::PaperOfSize(0, 0), formkit::Paper::kA4);
    QCOMPARE(formkit::PageSizeOf(formkit::Paper::kA4), QPageSize::A4);
    QCOMPARE(formkit::PageSizeOf(formkit::Paper::kLetter), QPageSize::Letter);
    qputenv("LC_ALL", "C");
    QCOMPARE(formkit::LocalePaper(), formkit::Paper::kA4);
    qunsetenv("LC_ALL");
  }

  // A text too long for the page breaks at blanks onto lines that start where it started.
  void aLongRunBreaksInsideThePage() {
    std::string words;
    for (int i = 0; i < 40; ++i) words += "wide WWW ";
    formkit::ReportWriter w;
    w.Font("Courier New").Size(10).Zone().Print("Job Description:").Print("  ").Print(words);
    w.EndLine().Zone().Print("next").EndLine();
    const formkit::Report report = w.Finish();
    QTemporaryDir dir;
    QPdfWriter device(dir.filePath("x.pdf"));
    device.setResolution(300);
    const QSizeF area(device.width(), device.height());
    const auto pages = formkit::LayOutReport(report, device, area);
    const auto& runs = pages.at(0).runs;
    QVERIFY(runs.size() > 4);
    QString joined;
    for (size_t i = 2; i + 1 < runs.size(); ++i) {
      QVERIFY(runs[i].baseline.x() + runs[i].width <= area.width());
      if (i > 2) {
        QCOMPARE(runs[i].baseline.x(), runs[2].baseline.x());
        QVERIFY(runs[i].baseline.y() > runs[i - 1].baseline.y());
      }
      joined += runs[i].text + QLatin1Char(' ');
    }
    QCOMPARE(joined.simplified(), QString::fromStdString(words).simplified());
    QVERIFY(runs.back().baseline.y() > runs[runs.size() - 2].baseline.y());
  }

  // A sheet of many entries after a one-page report: every sheet page is headed by the job,
  // the date and "page N of M", the report page is not, and no formula is parted from its
  // value line by a page break.
  void sheetPagesAreHeadedAndNumberedAndFormulasStayWithTheirValues() {
    formkit::CalcSheet sheet;
    sheet.Section("Passes");
    for (int i = 1; i <= 60; ++i)
      sheet.Add({"Pass " + std::to_string(i) + " diameter D", " 20.968", "Inches",
                 "D = sqrt(I * M / 413000 / sqrt(dP * B / (Tm * K))) and a formula long enough "
                 "to take two lines",
                 "", ""});
    formkit::Report report = formkit::ReportWriter().Print("the report").EndLine().Finish();
    formkit::AppendSheet(report, sheet, {"Calculation Sheet", "Boiler room", "12/31/2026"});
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.pdf");
    std::string error;
    QVERIFY2(formkit::WriteReportPdf(report, path.toStdString(), &error, QPageSize::Letter),
             error.c_str());
    const QStringList pages = PdfText(path).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY(pages.size() >= 4);
    const int sheet_pages = int(pages.size()) - 1;
    QVERIFY(!pages[0].contains(QStringLiteral("page 1 of")));
    for (int i = 1; i < pages.size(); ++i) {
      const QString head = pages[i].trimmed().section(QLatin1Char('\n'), 0, 0);
      QVERIFY2(head.contains(QStringLiteral("Calculation Sheet")) &&
                   head.contains(QStringLiteral("Boiler room")) &&
                   head.contains(QStringLiteral("12/31/2026")) &&
                   head.contains(QStringLiteral("page %1 of %2").arg(i).arg(sheet_pages)),
               qPrintable(head));
      // The page ends with the second line of a formula, never with a value line or the
      // formula's first line.
      const QString last = pages[i].trimmed().section(QLatin1Char('\n'), -1).trimmed();
      if (i + 1 < pages.size())
        QVERIFY2(last.endsWith(QStringLiteral("take two lines")), qPrintable(last));
    }
  }

  // A composer that fails soon (no mail program) is reported with what it said; one that
  // takes the message, or fails only after the watch time, is not; one that cannot start
  // fails at once.
  void aComposerThatFailsSoonIsReported() {
    QTemporaryDir dir;
    const auto script = [&](const char* name, const char* body) {
      const QString path = dir.filePath(QLatin1String(name));
      QFile file(path);
      file.open(QIODevice::WriteOnly);
      file.write(QByteArray("#!/bin/sh\n") + body + "\n");
      file.close();
      file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
      return path;
    };
    const formkit::MailMessage message{"Subject", "Line 1\r\nLine 2\r\n"};
    std::vector<std::string> failures;
    {
      formkit::WatchedMailSender none(script("none", "echo 'xdg-email: no method available' >&2; exit 3"));
      none.failed = [&](const std::string& why) { failures.push_back(why); };
      std::string error;
      QVERIFY(none.Send(message, &error));
      QTRY_COMPARE(failures.size(), size_t(1));
      QCOMPARE(failures[0], std::string("xdg-email: no method available"));
    }
    {
      const QString body = dir.filePath("body.txt");
      formkit::WatchedMailSender fine(
          script("fine", qPrintable("printf '%s' \"$5\" > '" + body + "'")));
      fine.failed = [&](const std::string& why) { failures.push_back(why); };
      QVERIFY(fine.Send(message, nullptr));
      QTRY_VERIFY(QFile::exists(body));
      QTest::qWait(100);
      QFile written(body);
      QVERIFY(written.open(QIODevice::ReadOnly));
      QCOMPARE(written.readAll(), QByteArray("Line 1\nLine 2\n"));
    }
    {
      formkit::WatchedMailSender late(script("late", "sleep 0.5; exit 1"), 100);
      late.failed = [&](const std::string& why) { failures.push_back(why); };
      QVERIFY(late.Send(message, nullptr));
      QTest::qWait(900);
    }
    QCOMPARE(failures.size(), size_t(1));
    formkit::WatchedMailSender missing(dir.filePath("no-such-composer"));
    std::string error;
    QVERIFY(!missing.Send(message, &error));
    QVERIFY(!error.empty());
  }

  void refusesAnUnwritablePath() {
    formkit::ReportWriter w;
    w.Print("x").EndLine();
    std::string error;
    QVERIFY(!formkit::WriteReportPdf(w.Finish(), "/nonexistent-dir/report.pdf", &error));
    QVERIFY(!error.empty());
  }
};

QTEST_MAIN(ReportPrinterTest)
#include "report_printer_test.moc"
