// The RTF writer, checked by reading its output back with an RTF reader that is not ours
// (unrtf): the text, every visible character's colour and weight, and the font must survive,
// whatever characters the text holds.
#include "RichTextView.h"
#include "RtfWriter.h"
#include "modEnneagram.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

using namespace modEnneagram;

Q_DECLARE_METATYPE(modEnneagram::WingOutcome)

namespace {

struct Style
{
    QColor colour;
    bool bold = false;
    friend bool operator==(const Style&, const Style&) = default;
};

const Style headingStyle{QColor(0, 128, 0), true};
const Style bodyStyle{QColor(0, 0, 0), false};
const Style introStyle{QColor(0, 0, 128), true};

QString readerProgram()
{
    return QStandardPaths::findExecutable("unrtf");
}

// Line and paragraph breaks in whatever form a document holds them, as '\n'.
QString plainText(const QTextDocument& document)
{
    QString text = document.toPlainText();
    text.replace(QChar::LineSeparator, u'\n').replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::Nbsp, u' ');
    return text;
}

// The style of every character of the document, in plain-text order (a block break counts
// as one character, with no style of its own).
QList<Style> characterStyles(const QTextDocument& document)
{
    QList<Style> styles;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const Style style{format.hasProperty(QTextFormat::ForegroundBrush)
                                  ? format.foreground().color()
                                  : QColor(Qt::black),
                              format.fontWeight() >= QFont::DemiBold};
            styles.append(QList<Style>(it.fragment().length(), style));
        }
        if (block.next().isValid())
            styles.append(Style{});
    }
    return styles;
}

// The RTF read back by unrtf, as a document (unrtf writes HTML, which QTextDocument reads).
bool readBack(const QByteArray& rtf, QTextDocument& document)
{
    QProcess reader;
    reader.start(readerProgram(), {"--html", "--nopict"});
    if (!reader.waitForStarted(10000))
        return false;
    reader.write(rtf);
    reader.closeWriteChannel();
    if (!reader.waitForFinished(30000) || reader.exitStatus() != QProcess::NormalExit ||
        reader.exitCode() != 0)
        return false;
    QString html = QString::fromUtf8(reader.readAllStandardOutput());
    // unrtf ends each <br> and the body with a newline of its own to keep the HTML
    // readable; QTextDocument would read them as spaces.
    html.truncate(html.indexOf("</body>"));
    html.replace("<br>\n", "<br>");
    document.setHtml(html);
    return true;
}

// Checks the RTF for what any reader relies on: the header, plain ASCII, balanced groups and
// \u numbers within the signed 16-bit range.
void checkWellFormed(const QByteArray& rtf)
{
    QVERIFY2(rtf.startsWith("{\\rtf1\\ansi"), rtf.left(40).constData());
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        QVERIFY2(c == '\n' || (c >= 0x20 && c < 0x7f), qPrintable(QString::number(i)));
        if (c == '\\') {
            ++i; // an escaped symbol or the first letter of a control word
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            QVERIFY2(--depth >= 0 && (depth > 0 || i == rtf.trimmed().size() - 1),
                     "a group closes before the end of the document");
        }
    }
    QCOMPARE(depth, 0);
    const QRegularExpression unicode("\\\\u(-?\\d+)\\?");
    for (const auto& match : unicode.globalMatch(QString::fromLatin1(rtf))) {
        const int n = match.captured(1).toInt();
        QVERIFY2(n >= -32768 && n <= 32767, qPrintable(match.captured()));
    }
}

// Writes the document as RTF, reads it back and compares text, styles and font.
void checkRoundTrip(const QTextDocument& original)
{
    if (readerProgram().isEmpty())
        QSKIP("unrtf is not installed (Debian package unrtf), so the RTF cannot be read back");
    const QByteArray rtf = documentToRtf(original);
    checkWellFormed(rtf);
    if (QTest::currentTestFailed())
        return;

    QTextDocument copy;
    QVERIFY2(readBack(rtf, copy), "unrtf could not read the RTF");
    QCOMPARE(plainText(copy), plainText(original));

    const QString text = plainText(original);
    const QList<Style> expected = characterStyles(original);
    const QList<Style> actual = characterStyles(copy);
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isSpace())
            continue; // a reader may hang spaces and breaks on either neighbouring run
        QVERIFY2(
            actual[i] == expected[i],
            qPrintable(QString("character %1 ('%2'): %3 %4 instead of %5 %6")
                           .arg(i)
                           .arg(text[i])
                           .arg(actual[i].colour.name(), actual[i].bold ? "bold" : "plain",
                                expected[i].colour.name(), expected[i].bold ? "bold" : "plain")));
    }

    const QString family = original.defaultFont().family();
    for (QTextBlock block = copy.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            QCOMPARE(it.fragment().charFormat().fontFamilies().toStringList().value(0), family);
    }
}

} // namespace

class TestRtfWriter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LoadContent(); }

    // The report as the result screen shows it, in each of its three shapes.
    void reportSurvives_data()
    {
        QTest::addColumn<WingOutcome>("wing");
        QTest::addRow("left wing") << WingOutcome::Left;
        QTest::addRow("right wing") << WingOutcome::Right;
        QTest::addRow("balanced wing") << WingOutcome::Balanced;
    }
    void reportSurvives()
    {
        QFETCH(WingOutcome, wing);
        testState.dominantName = typeNames[0];
        testState.leftWingName = typeNames[8];
        testState.rightWingName = typeNames[1];
        const ResultReport report = ComposeReport(wing);
        RichTextView view;
        RenderReport(view, report);

        // The report really holds the three styles whose survival is checked.
        const QString text = plainText(*view.document());
        const QList<Style> styles = characterStyles(*view.document());
        const std::array<Style, 5> blockStyles{headingStyle, bodyStyle, headingStyle, introStyle,
                                               bodyStyle};
        qsizetype at = 0;
        for (std::size_t b = 0; b < report.size(); ++b) {
            const QString firstLine = QString::fromStdString(report[b].text).section("\r\n", 0, 0);
            at = text.indexOf(firstLine, at);
            QVERIFY2(at >= 0, qPrintable(QString("block %1 missing").arg(b)));
            QVERIFY2(styles[at] == blockStyles[b],
                     qPrintable(QString("block %1 is %2").arg(b).arg(styles[at].colour.name())));
        }
        checkRoundTrip(*view.document());
    }

    // Runs taking the heading, body and intro styles in turn; '\n' breaks a line.
    void textSurvives_data()
    {
        QTest::addColumn<QStringList>("runs");
        QTest::addRow("line breaks") << QStringList{"one\n\ntwo\n", "three", "\nfour"};
        QTest::addRow("backslashes and braces")
            << QStringList{"C:\\Reports\\", "{x} \\par {\\b not bold}", "}{\\"};
        QTest::addRow("accented letters")
            << QStringList{"Caf\u00e9 na\u00efve", "\u00c6r\u00f8 stra\u00dfe", "\u00e0\u00ff"};
        QTest::addRow("beyond U+FFFF")
            << QStringList{"smile \U0001F600", "\U0001F600\U0001D11E", "end \U00010348"};
        QTest::addRow("above U+7FFF")
            << QStringList{"\ud55c\uae00", "\uffe5 \u8a9e", "\ufb01 \u20ac"};
        QTest::addRow("control words as text")
            << QStringList{"\\rtf1 \\u233?", "\\cf1 \\b0", "\\'e9 \\\\"};
    }
    void textSurvives()
    {
        QFETCH(QStringList, runs);
        RichTextView view;
        const std::array<Style, 3> styles{headingStyle, bodyStyle, introStyle};
        for (qsizetype i = 0; i < runs.size(); ++i) {
            const Style& style = styles[std::size_t(i) % styles.size()];
            view.insertStyled(runs[i], style.colour, style.bold);
        }
        QCOMPARE(plainText(*view.document()), runs.join(QString()));
        checkRoundTrip(*view.document());
    }
};

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
