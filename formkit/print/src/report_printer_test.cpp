// The report drawn into a PDF: one page, and the text that went in comes back out.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "formkit_print/report_printer.h"

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
