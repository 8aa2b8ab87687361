// Printing the report: the selection is dropped and the whole report goes to the printer;
// a missing printer or a failed print is reported. With the real printing code the report
// reaches a real CUPS queue (set up by scripts/printer.sh) as a PDF.
#include "ReportFile.h"
#include "RichTextView.h"
#include "TestPlatform.h"
#include "modEnneagram.h"

#include <QDirIterator>
#include <QPrinterInfo>
#include <QProcess>
#include <QtTest>
#include <unistd.h>

Q_DECLARE_METATYPE(PrintResult)

using namespace modEnneagram;

namespace {

// The queue scripts/printer.sh creates, and the folder its PDFs land in.
const QString pdfQueue = QStringLiteral("QuarvelPDF");
const QString pdfFolder = QStringLiteral("/var/spool/cups-pdf/quarvel");

// The stand-in desktop with the real printing code behind it.
class RealPrinting : public TestPlatform
{
public:
    PrintResult print(const QTextDocument& document) override { return Platform::print(document); }
};

// Shows a report with part of it selected.
void showReport(RichTextView& view)
{
    testState.dominantName = typeNames[3];
    testState.leftWingName = typeNames[2];
    testState.rightWingName = typeNames[4];
    RenderReport(view, ComposeReport(WingOutcome::Right));
    QTextCursor cursor = view.textCursor();
    cursor.setPosition(10);
    cursor.setPosition(200, QTextCursor::KeepAnchor);
    view.setTextCursor(cursor);
    QVERIFY(view.textCursor().hasSelection());
}

// Every PDF in the folder with its last change.
QHash<QString, QDateTime> pdfsIn(const QString& folder)
{
    QHash<QString, QDateTime> pdfs;
    QDirIterator it(folder, {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        pdfs.insert(path, it.fileInfo().lastModified());
    }
    return pdfs;
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Restores an environment variable when the test ends, however it ends.
class EnvironmentOverride
{
public:
    EnvironmentOverride(const char* name, const QByteArray& value)
        : name_(name), saved_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~EnvironmentOverride()
    {
        if (wasSet_)
            qputenv(name_, saved_);
        else
            qunsetenv(name_);
    }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    const char* name_;
    QByteArray saved_;
    bool wasSet_;
};

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LoadContent(); }

    // What the printer answers, and the message the user then sees ("" = none).
    void outcome_data()
    {
        QTest::addColumn<PrintResult>("answer");
        QTest::addColumn<QString>("message");
        QTest::addRow("printed") << PrintResult::Printed << "";
        QTest::addRow("no printer") << PrintResult::NoPrinter << "no printer";
        QTest::addRow("failed") << PrintResult::Failed << "failed";
    }
    void outcome()
    {
        QFETCH(PrintResult, answer);
        QFETCH(QString, message);
        TestPlatform desktop;
        desktop.printResult = answer;
        RichTextView view;
        showReport(view);

        printReport(view, nullptr);

        QVERIFY(!view.textCursor().hasSelection());
        QCOMPARE(desktop.printed, QStringList{view.toPlainText()});
        if (message.isEmpty()) {
            QVERIFY(desktop.messages.isEmpty());
        } else {
            QCOMPARE(desktop.messages.size(), 1);
            QCOMPARE(desktop.messages.first().icon, QMessageBox::Critical);
            QVERIFY2(desktop.messages.first().text.contains(message, Qt::CaseInsensitive),
                     qPrintable(desktop.messages.first().text));
        }
    }

    // With no default printer the real printing code prints nothing and says so. CUPS takes
    // the default from $PRINTER, so naming a queue that does not exist removes it.
    void realNoPrinter()
    {
        EnvironmentOverride noPrinter("PRINTER", "quarvel-test-no-such-queue");
        QVERIFY(QPrinterInfo::defaultPrinter().isNull());
        RealPrinting desktop;
        RichTextView view;
        showReport(view);

        printReport(view, nullptr);

        QCOMPARE(desktop.messages.size(), 1);
        QCOMPARE(desktop.messages.first().icon, QMessageBox::Critical);
        QVERIFY2(desktop.messages.first().text.contains("no printer"),
                 qPrintable(desktop.messages.first().text));
    }

    // The report reaches the PDF queue whole: every page, first line to last.
    void realPrinterMakesPdf()
    {
        if (geteuid() != 0)
            QSKIP("only run as root, where scripts/printer.sh sets up the QuarvelPDF queue; "
                  "a user's own printers are never used");
        if (QPrinterInfo::defaultPrinter().printerName() != pdfQueue)
            QSKIP("the default printer is not the QuarvelPDF queue; run scripts/printer.sh "
                  "as root with QUARVEL_SETUP_PRINTER=1 to set it up");
        const QHash<QString, QDateTime> before = pdfsIn(pdfFolder);
        RealPrinting desktop;
        RichTextView view;
        showReport(view);

        printReport(view, nullptr);
        QVERIFY2(desktop.messages.isEmpty(), qPrintable(desktop.messages.value(0, {}).text));

        QString pdf;
        const auto newPdf = [&] {
            const QHash<QString, QDateTime> now = pdfsIn(pdfFolder);
            for (auto it = now.cbegin(); it != now.cend(); ++it) {
                if (before.value(it.key()) != it.value() && QFileInfo(it.key()).size() > 0)
                    pdf = it.key();
            }
            return !pdf.isEmpty();
        };
        QVERIFY2(QTest::qWaitFor(newPdf, 60000), "no PDF arrived from the print queue in 60 s");
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.read(5) == "%PDF-", qPrintable(pdf));
        if (QStandardPaths::findExecutable("pdfinfo").isEmpty())
            QSKIP("pdfinfo (Debian package poppler-utils) is needed to read the PDF");
        // cups-pdf may still be writing it.
        QString info;
        QVERIFY2(QTest::qWaitFor([&] { return !(info = run("pdfinfo", {pdf})).isEmpty(); }, 30000),
                 qPrintable("pdfinfo cannot read " + pdf));
        // The queue passes the job through PostScript, so the PDF keeps no text to compare;
        // the title shows it is this job, and the page count that the whole report was
        // printed: it needs two pages at least, where the selection would fit on one.
        QVERIFY2(info.contains(
                     QRegularExpression("^Title:.*Quarvel", QRegularExpression::MultilineOption)),
                 qPrintable(info));
        const QRegularExpression pages("^Pages:\\s+(\\d+)", QRegularExpression::MultilineOption);
        QVERIFY2(pages.match(info).captured(1).toInt() >= 2, qPrintable(info));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
