// The result report: its five styled blocks for each wing outcome, the result fields it
// leaves in the test state, and how the view shows it.
#include "ResultReport.h"
#include "RichTextView.h"
#include "TestPlatform.h"
#include "modEnneagram.h"

#include <QTextBlock>
#include <QtTest>

using namespace modEnneagram;

Q_DECLARE_METATYPE(modEnneagram::WingOutcome)

char* toString(const Rgb& c)
{
    return QTest::toString(QString("(%1, %2, %3)").arg(c.red).arg(c.green).arg(c.blue));
}

namespace {

const QString crlf2 = "\r\n\r\n";
const QString wingIntro = "The WING PERSONALITY is the personality type that is on either side "
                          "of the generated personality and greatly influences the personality "
                          "of the person.";
// By type - 1.
const QStringList names{"The Perfectionist", "The Helper",    "The Performer",
                        "The Romantic",      "The Observer",  "The Loyalist",
                        "The Enthusiast",    "The Protector", "The Mediator"};

QString description(int type)
{
    return QString::fromStdString(typeDescriptions[std::size_t(type - 1)]);
}

// The result of a finished test with the given dominant type and neighbours.
void arrangeResult(int dominant, int left, int right)
{
    testState = TestState();
    testState.dominantName = names[dominant - 1].toStdString();
    testState.leftWingName = names[left - 1].toStdString();
    testState.rightWingName = names[right - 1].toStdString();
}

struct Run
{
    QString text;
    QColor colour;
    int weight;
    bool operator==(const Run&) const = default;
};

char* toString(const Run& run)
{
    return QTest::toString(
        QString("\"%1\" %2 weight %3").arg(run.text.left(40), run.colour.name()).arg(run.weight));
}

// The non-empty lines of the report with the look each should have in the view.
QList<Run> expectedRuns(const ResultReport& report)
{
    QList<Run> runs;
    for (const StyledBlock& block : report) {
        const QColor colour(block.colour.red, block.colour.green, block.colour.blue);
        const int weight = block.bold ? QFont::Bold : QFont::Normal;
        const QStringList lines = QString::fromStdString(block.text).split("\r\n");
        for (const QString& line : lines) {
            if (!line.isEmpty())
                runs.append({line, colour, weight});
        }
    }
    return runs;
}

// Every stretch of text in the view with its colour and weight, paragraph by paragraph.
QList<Run> shownRuns(const RichTextView& view)
{
    QList<Run> runs;
    for (QTextBlock b = view.document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            runs.append(
                {f.text(), f.charFormat().foreground().color(), f.charFormat().fontWeight()});
        }
    }
    return runs;
}

QString plainText(const ResultReport& report)
{
    QString text;
    for (const StyledBlock& block : report)
        text += QString::fromStdString(block.text);
    return text.replace("\r\n", "\n");
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

    TestPlatform m_platform;

private slots:
    void initTestCase() { LoadContent(); }

    void composes_data()
    {
        QTest::addColumn<int>("dominant");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<WingOutcome>("wing");
        QTest::addColumn<QString>("wingHeading");
        QTest::addRow("type 1, left wing 9")
            << 1 << 9 << 2 << WingOutcome::Left << "Your Wing is The Mediator";
        QTest::addRow("type 1, right wing 2")
            << 1 << 9 << 2 << WingOutcome::Right << "Your Wing is The Helper";
        QTest::addRow("type 1, balanced")
            << 1 << 9 << 2 << WingOutcome::Balanced << "Your Wing is Balanced";
        QTest::addRow("type 9, left wing 8")
            << 9 << 8 << 1 << WingOutcome::Left << "Your Wing is The Protector";
        QTest::addRow("type 9, right wing 1")
            << 9 << 8 << 1 << WingOutcome::Right << "Your Wing is The Perfectionist";
        QTest::addRow("type 5, balanced")
            << 5 << 4 << 6 << WingOutcome::Balanced << "Your Wing is Balanced";
    }
    void composes()
    {
        QFETCH(int, dominant);
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(WingOutcome, wing);
        QFETCH(QString, wingHeading);
        arrangeResult(dominant, left, right);

        QString wingText;
        switch (wing) {
        case WingOutcome::Left:
            wingText = description(left);
            break;
        case WingOutcome::Right:
            wingText = description(right);
            break;
        case WingOutcome::Balanced:
            wingText = names[left - 1] + crlf2 + description(left) + crlf2 + names[right - 1] +
                       crlf2 + description(right) + crlf2;
            break;
        }
        const QString typeHeading = "Your personality type is " + names[dominant - 1];

        const ResultReport report = ComposeReport(wing);
        const struct
        {
            QString text;
            Rgb colour;
            bool bold;
        } expected[5] = {
            {typeHeading, {0, 128, 0}, true}, {description(dominant), {0, 0, 0}, false},
            {wingHeading, {0, 128, 0}, true}, {wingIntro, {0, 0, 128}, true},
            {wingText, {0, 0, 0}, false},
        };
        for (std::size_t i = 0; i < 5; ++i) {
            QCOMPARE(QString::fromStdString(report[i].text), expected[i].text + crlf2);
            QCOMPARE(report[i].colour, expected[i].colour);
            QCOMPARE(report[i].bold, expected[i].bold);
        }

        const TestState& s = testState;
        QCOMPARE(QString::fromStdString(s.typeHeading), typeHeading);
        QCOMPARE(QString::fromStdString(s.typeText), description(dominant));
        QCOMPARE(QString::fromStdString(s.wingHeading), wingHeading);
        QCOMPARE(QString::fromStdString(s.wingIntro), wingIntro);
        QCOMPARE(QString::fromStdString(s.wingText), wingText);
        const bool balanced = wing == WingOutcome::Balanced;
        QCOMPARE(QString::fromStdString(s.balancedLeftName), balanced ? names[left - 1] : "");
        QCOMPARE(QString::fromStdString(s.balancedLeftText), balanced ? description(left) : "");
        QCOMPARE(QString::fromStdString(s.balancedRightName), balanced ? names[right - 1] : "");
        QCOMPARE(QString::fromStdString(s.balancedRightText), balanced ? description(right) : "");
    }

    void renders_data()
    {
        QTest::addColumn<int>("dominant");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<WingOutcome>("wing");
        QTest::addRow("type 1, left wing") << 1 << 9 << 2 << WingOutcome::Left;
        QTest::addRow("type 9, right wing") << 9 << 8 << 1 << WingOutcome::Right;
        QTest::addRow("type 5, balanced") << 5 << 4 << 6 << WingOutcome::Balanced;
    }
    void renders()
    {
        QFETCH(int, dominant);
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(WingOutcome, wing);
        arrangeResult(dominant, left, right);
        const ResultReport report = ComposeReport(wing);

        RichTextView view;
        RenderReport(view, report);
        QCOMPARE(view.toPlainText(), plainText(report));
        QVERIFY(view.toPlainText().startsWith("Your personality type is "));
        QCOMPARE(shownRuns(view), expectedRuns(report));
    }

    void secondRenderReplacesTheFirst_data()
    {
        QTest::addColumn<WingOutcome>("firstWing");
        QTest::addColumn<WingOutcome>("secondWing");
        QTest::addRow("balanced, then left") << WingOutcome::Balanced << WingOutcome::Left;
        QTest::addRow("right, then balanced") << WingOutcome::Right << WingOutcome::Balanced;
    }
    void secondRenderReplacesTheFirst()
    {
        QFETCH(WingOutcome, firstWing);
        QFETCH(WingOutcome, secondWing);
        RichTextView view;
        arrangeResult(5, 4, 6);
        RenderReport(view, ComposeReport(firstWing));
        arrangeResult(9, 8, 1);
        const ResultReport second = ComposeReport(secondWing);
        RenderReport(view, second);
        QCOMPARE(view.toPlainText(), plainText(second));
        QCOMPARE(shownRuns(view), expectedRuns(second));
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
