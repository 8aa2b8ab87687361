// The built-in content as a reader meets it: every structural rule a program can check.
#include "modEnneagram.h"

#include <QtTest>
#include <set>
#include <string>

using namespace modEnneagram;

namespace {

// The key of each type's twenty questions, position 1 to 20.
const char* const keyTable[typeCount] = {
    "YNNYNNYNYNYNYYYNNYYN", "NYNYYNYYYNYYYNYNYNNY", "YYYNNYYYNYYYYYYYNYYN",
    "YYNNYYYNYYYNYYYYNNYY", "NYNNYYNNYYYNYNNYNNYY", "NYYNNNYYYNYNYNYYYNYN",
    "YNYYYYYYNYYYNYNNYYYN", "YYYYYYYNNYYYYNYYNYNY", "YNYNNYYYNNYYYYYNNYYN",
};

qsizetype wordCount(const std::string& text)
{
    return QString::fromStdString(text)
        .split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)
        .size();
}

} // namespace

class TestContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LoadContent(); }

    void tablesHaveTheirSizes()
    {
        QCOMPARE(questionTexts.size(), std::size_t(bankSize));
        QCOMPARE(answerKeys.size(), std::size_t(bankSize));
        QCOMPARE(typeNames.size(), std::size_t(typeCount));
        QCOMPARE(typeDescriptions.size(), std::size_t(typeCount));
    }

    void keysFollowTheKeyTable()
    {
        for (int b = 0; b < bankSize; ++b) {
            const char expected = keyTable[b / 20][b % 20];
            QCOMPARE(answerKeys[b], std::string(expected == 'Y' ? "Yes" : "No"));
        }
    }

    void namesByType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        const char* names[] = {"The Perfectionist", "The Helper",    "The Performer",
                               "The Romantic",      "The Observer",  "The Loyalist",
                               "The Enthusiast",    "The Protector", "The Mediator"};
        for (int t = 1; t <= typeCount; ++t)
            QTest::addRow("type %d", t) << t << names[t - 1];
    }
    void namesByType()
    {
        QFETCH(int, type);
        QFETCH(QString, name);
        QCOMPARE(QString::fromStdString(modEnneagram::typeNames[type - 1]), name);
        QCOMPARE(typeIndexOfName(name.toStdString()), type - 1);
    }

    void exampleQuestionsStandInPlace_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addRow("1/1") << 1 << 1 << "Do you strive for perfection in everything you do?"
                             << "Yes";
        QTest::addRow("2/16") << 2 << 16 << "Are you a very private person?"
                              << "No";
        QTest::addRow("3/12") << 3 << 12 << "Are you an image conscious person?"
                              << "Yes";
        QTest::addRow("4/18") << 4 << 18 << "Can you betray your lover?"
                              << "No";
        QTest::addRow("5/10") << 5 << 10 << "Do you have a keen eye for detail?"
                              << "Yes";
        QTest::addRow("6/10") << 6 << 10 << "Do you trust other people easily?"
                              << "No";
        QTest::addRow("7/6") << 7 << 6 << "Do you believe in instant action?"
                             << "Yes";
        QTest::addRow("8/1") << 8 << 1 << "Do you enjoy being the Boss?"
                             << "Yes";
        QTest::addRow("9/8") << 9 << 8 << "Do other people often confide in you?"
                             << "Yes";
    }
    void exampleQuestionsStandInPlace()
    {
        QFETCH(int, type);
        QFETCH(int, position);
        QFETCH(QString, text);
        QFETCH(QString, key);
        const int b = 20 * (type - 1) + position - 1;
        QCOMPARE(typeOfBankIndex(b), type);
        QCOMPARE(QString::fromStdString(questionTexts[b]), text);
        QCOMPARE(QString::fromStdString(answerKeys[b]), key);
    }

    void everyQuestionIsOneDistinctQuestion()
    {
        std::set<QString> seen;
        for (int b = 0; b < bankSize; ++b) {
            const QString q = QString::fromStdString(questionTexts[b]);
            QVERIFY2(q.endsWith('?'), qPrintable(q));
            QVERIFY2(q.count('?') == 1, qPrintable(q));
            QVERIFY2(!q.contains('.') && !q.contains('!') && !q.contains('\n'), qPrintable(q));
            QVERIFY2(q.at(0).isUpper() && q == q.trimmed(), qPrintable(q));
            QVERIFY2(seen.insert(q.toLower()).second, qPrintable("twice: " + q));
        }
    }

    void descriptions_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("paragraphs");
        const int counts[] = {4, 3, 3, 3, 4, 3, 4, 3, 3};
        for (int t = 1; t <= typeCount; ++t)
            QTest::addRow("type %d", t) << t << counts[t - 1];
    }
    void descriptions()
    {
        QFETCH(int, type);
        QFETCH(int, paragraphs);
        const std::string& text = typeDescriptions[type - 1];
        const QString q = QString::fromStdString(text);
        QVERIFY(!q.startsWith('\r') && !q.startsWith('\n') && !q.endsWith('\n'));
        QVERIFY(q == q.trimmed());
        const QStringList parts = q.split("\r\n\r\n");
        QCOMPARE(parts.size(), paragraphs);
        for (const QString& p : parts) {
            QVERIFY2(!p.isEmpty() && p == p.trimmed(), "empty or padded paragraph");
            QVERIFY2(!p.contains('\r') && !p.contains('\n'), "stray line break");
        }
        // Every line break is a CR LF pair.
        QCOMPARE(q.count('\n'), q.count("\r\n"));
        QCOMPARE(q.count('\r'), q.count("\r\n"));
        const qsizetype words = wordCount(text);
        QVERIFY2(words >= 500 && words <= 570, qPrintable(QString::number(words) + " words"));
    }

    void loadContentTwiceWritesTheSameTables()
    {
        const auto questions = questionTexts;
        const auto keys = answerKeys;
        const auto names = modEnneagram::typeNames;
        const auto descriptions = typeDescriptions;
        testState.dominantName = "untouched";
        LoadContent();
        QVERIFY(questions == questionTexts);
        QVERIFY(keys == answerKeys);
        QVERIFY(names == modEnneagram::typeNames);
        QVERIFY(descriptions == typeDescriptions);
        QCOMPARE(testState.dominantName, std::string("untouched"));
    }

    void bankRangesAndRing_data()
    {
        QTest::addColumn<int>("bankIndex");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addRow("first of type 1") << 0 << 1 << 9 << 2;
        QTest::addRow("last of type 1") << 19 << 1 << 9 << 2;
        QTest::addRow("first of type 2") << 20 << 2 << 1 << 3;
        QTest::addRow("middle, type 5") << 99 << 5 << 4 << 6;
        QTest::addRow("first of type 9") << 160 << 9 << 8 << 1;
        QTest::addRow("last of the bank") << 179 << 9 << 8 << 1;
    }
    void bankRangesAndRing()
    {
        QFETCH(int, bankIndex);
        QFETCH(int, type);
        QFETCH(int, before);
        QFETCH(int, after);
        QCOMPARE(typeOfBankIndex(bankIndex), type);
        QCOMPARE(typeBefore(type), before);
        QCOMPARE(typeAfter(type), after);
    }
};

QTEST_GUILESS_MAIN(TestContent)
#include "tst_content.moc"
