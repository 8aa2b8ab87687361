// Composing a test and moving through it with Next and Back.
#include "Questionnaire.h"
#include "modEnneagram.h"
#include "modRandomize.h"

#include <QtTest>
#include <algorithm>
#include <numeric>
#include <random>
#include <set>

using namespace modEnneagram;

Q_DECLARE_METATYPE(modEnneagram::TestLength)

class TestQuestionnaire : public QObject
{
    Q_OBJECT

    std::mt19937_64 m_engine{7};

private slots:
    void init()
    {
        testState = TestState();
        m_engine.seed(7);
        modRandomize::setUniformSource(
            [this] { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53; });
    }
    void cleanup() { modRandomize::setUniformSource({}); }

    void composition_data()
    {
        QTest::addColumn<TestLength>("length");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("cap");
        QTest::addColumn<int>("seed");
        for (int seed = 1; seed <= 3; ++seed) {
            QTest::addRow("quick, seed %d", seed) << TestLength::Quick << 54 << 7 << seed;
            QTest::addRow("in depth, seed %d", seed) << TestLength::InDepth << 90 << 11 << seed;
            QTest::addRow("comprehensive, seed %d", seed)
                << TestLength::Comprehensive << 180 << 20 << seed;
        }
    }
    void composition()
    {
        QFETCH(TestLength, length);
        QFETCH(int, count);
        QFETCH(int, cap);
        QFETCH(int, seed);
        m_engine.seed(static_cast<std::uint64_t>(seed));
        const QuestionView view = StartTest(length);

        const TestState& s = testState;
        QCOMPARE(int(s.questionCount), count);
        QCOMPARE(int(s.testQuestions.size()), count);
        QCOMPARE(int(s.givenAnswers.size()), count);
        QVERIFY(std::all_of(s.givenAnswers.begin(), s.givenAnswers.end(),
                            [](const std::string& a) { return a.empty(); }));
        QCOMPARE(s.currentPosition, std::int16_t(0));
        QCOMPARE(view.positionLine, "Question 1 Of " + std::to_string(count));
        QCOMPARE(view.questionText, questionTexts[std::size_t(s.testQuestions[0])]);

        int perType[typeCount] = {};
        for (auto b : s.testQuestions)
            ++perType[typeOfBankIndex(b) - 1];
        for (int t = 0; t < typeCount; ++t)
            QVERIFY2(perType[t] <= cap,
                     qPrintable(QString("type %1 has %2").arg(t + 1).arg(perType[t])));

        // The test order is the random order with the passed-over questions left out.
        std::vector<std::int32_t> expected;
        int tally[typeCount] = {};
        for (auto b : modRandomize::randomOrder) {
            if (int(expected.size()) == count)
                break;
            if (tally[typeOfBankIndex(b) - 1] < cap) {
                expected.push_back(b);
                ++tally[typeOfBankIndex(b) - 1];
            }
        }
        QCOMPARE(s.testQuestions, expected);
        QCOMPARE(std::set<std::int32_t>(s.testQuestions.begin(), s.testQuestions.end()).size(),
                 std::size_t(count));
        if (length == TestLength::Comprehensive)
            QVERIFY(
                std::all_of(s.typeTally.begin(), s.typeTally.end(), [](auto v) { return v == 0; }));
        else
            QCOMPARE(std::accumulate(s.typeTally.begin(), s.typeTally.end(), 0), count);
    }

    void startDiscardsTheRunningTestButKeepsTheResult()
    {
        StartTest(TestLength::Quick);
        testState.dominantName = "The Observer";
        testState.wingText = "kept";
        QCOMPARE(NextQuestion("Yes").result, NextResult::Moved);
        testState.typeScores[2] = 4.0;
        StartTest(TestLength::InDepth);
        QCOMPARE(testState.currentPosition, std::int16_t(0));
        QCOMPARE(testState.givenAnswers[0], std::string());
        QCOMPARE(testState.typeScores[2], 0.0);
        QCOMPARE(testState.dominantName, std::string("The Observer"));
        QCOMPARE(testState.wingText, std::string("kept"));
    }

    // A script of Next/Back steps: "Y" "N" "M" answer and press Next, "-" presses Next with
    // nothing selected, "<" presses Back.
    void navigation_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("lastMessage");
        QTest::addColumn<QString>("answers");
        QTest::addRow("unanswered on question 3") << "Y N -" << 2 << "Question No. 3 is Unanswered"
                                                  << "Yes,No,";
        QTest::addRow("back on question 1 does nothing") << "< <" << 0 << ""
                                                         << ",,";
        QTest::addRow("back keeps the answers") << "Y N M <" << 2 << ""
                                                << "Yes,No,May Be";
        QTest::addRow("back then next refuses until re-answered")
            << "Y N M Y < -" << 3 << "Question No. 4 is Unanswered"
            << "Yes,No,May Be,Yes";
        QTest::addRow("a new answer replaces the recorded one") << "Y N M < < N" << 2 << ""
                                                                << "Yes,No,May Be";
        QTest::addRow("replacing after going back") << "Y N < Y" << 2 << ""
                                                    << "Yes,Yes,";
    }
    void navigation()
    {
        QFETCH(QString, steps);
        QFETCH(int, position);
        QFETCH(QString, lastMessage);
        QFETCH(QString, answers);
        StartTest(TestLength::Quick);
        QString message;
        for (const QString& step : steps.split(' ')) {
            if (step == "<") {
                const int before = testState.currentPosition;
                const auto view = PreviousQuestion();
                QCOMPARE(view.has_value(), before > 0);
                continue;
            }
            std::optional<std::string_view> caption;
            if (step == "Y")
                caption = "Yes";
            else if (step == "N")
                caption = "No";
            else if (step == "M")
                caption = "May Be";
            testState.typeScores.fill(1.0);
            const NextOutcome out = NextQuestion(caption);
            QCOMPARE(testState.typeScores[0], 0.0); // cleared on every Next, answered or not
            message = QString::fromStdString(out.message);
            QCOMPARE(out.result, caption ? NextResult::Moved : NextResult::Unanswered);
            if (out.result == NextResult::Moved)
                QCOMPARE(out.view.positionLine,
                         "Question " + std::to_string(testState.currentPosition + 1) + " Of 54");
        }
        QCOMPARE(int(testState.currentPosition), position);
        QCOMPARE(message, lastMessage);
        const QStringList expected = answers.split(',');
        for (int p = 0; p < expected.size(); ++p)
            QCOMPARE(QString::fromStdString(testState.givenAnswers[std::size_t(p)]), expected[p]);
    }

    void theLastAnswerFinishes()
    {
        StartTest(TestLength::Quick);
        for (int p = 0; p < 53; ++p)
            QCOMPARE(NextQuestion(p % 3 == 0 ? "May Be" : "No").result, NextResult::Moved);
        QCOMPARE(currentQuestion().positionLine, std::string("Question 54 Of 54"));
        QCOMPARE(NextQuestion({}).message, std::string("Question No. 54 is Unanswered"));
        const NextOutcome out = NextQuestion("Yes");
        QCOMPARE(out.result, NextResult::Finished);
        QCOMPARE(testState.currentPosition, std::int16_t(53));
        QVERIFY(std::none_of(testState.givenAnswers.begin(), testState.givenAnswers.end(),
                             [](const std::string& a) { return a.empty(); }));
    }

    void beforeAnyTest()
    {
        QCOMPARE(NextQuestion({}).message, std::string("Question No. 1 is Unanswered"));
        // Nowhere to record an answer yet: refused the same way instead of writing anywhere.
        QCOMPARE(NextQuestion("Yes").result, NextResult::Unanswered);
        QVERIFY(!PreviousQuestion());
        QCOMPARE(testState.currentPosition, std::int16_t(0));
    }
};

QTEST_GUILESS_MAIN(TestQuestionnaire)
#include "tst_questionnaire.moc"
