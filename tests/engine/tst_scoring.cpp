// The scoring: points per answer, the dominant type with its rounded running best, and the
// wing decision on the ring.
#include "Scoring.h"
#include "modEnneagram.h"

#include <QtTest>

using namespace modEnneagram;

using Scores = std::array<double, modEnneagram::typeCount>;
Q_DECLARE_METATYPE(modEnneagram::WingOutcome)
Q_DECLARE_METATYPE(Scores)

namespace {

// Builds a test whose answers give each type exactly the wanted score: whole points from
// answers equal to the key, the half from one "May Be".
void arrangeScores(const Scores& scores)
{
    TestState& s = testState;
    s = TestState();
    for (int t = 0; t < typeCount; ++t) {
        int halves = int(scores[std::size_t(t)] * 2);
        for (int q = 0; q < questionsPerType; ++q) {
            const int b = t * questionsPerType + q;
            std::string answer;
            if (halves >= 2) {
                answer = answerKeys[std::size_t(b)];
                halves -= 2;
            } else if (halves == 1) {
                answer = "May Be";
                halves = 0;
            } else {
                answer = answerKeys[std::size_t(b)] == "Yes" ? "No" : "Yes";
            }
            s.testQuestions.push_back(b);
            s.givenAnswers.push_back(answer);
        }
    }
    s.questionCount = std::int16_t(s.testQuestions.size());
}

} // namespace

class TestScoring : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LoadContent(); }

    void roundsHalfToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::addRow("0.5") << 0.5 << 0;
        QTest::addRow("1.5") << 1.5 << 2;
        QTest::addRow("2.5") << 2.5 << 2;
        QTest::addRow("3.5") << 3.5 << 4;
        QTest::addRow("4.0") << 4.0 << 4;
        QTest::addRow("19.5") << 19.5 << 20;
    }
    void roundsHalfToEven()
    {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(int(roundHalfEven(value)), rounded);
    }

    void dominantAndWing_data()
    {
        using S = Scores;
        QTest::addColumn<S>("scores");
        QTest::addColumn<QString>("dominant");
        QTest::addColumn<int>("dominantScore");
        QTest::addColumn<WingOutcome>("wing");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addRow("all zero: type 9, balanced")
            << S{} << "The Mediator" << 0 << WingOutcome::Balanced << "The Protector"
            << "The Perfectionist";
        QTest::addRow("all equal whole: type 9") << S{3, 3, 3, 3, 3, 3, 3, 3, 3} << "The Mediator"
                                                 << 3 << WingOutcome::Balanced << "The Protector"
                                                 << "The Perfectionist";
        QTest::addRow("all 2.5: type 9, held as 2")
            << S{2.5, 2.5, 2.5, 2.5, 2.5, 2.5, 2.5, 2.5, 2.5} << "The Mediator" << 2
            << WingOutcome::Balanced << "The Protector"
            << "The Perfectionist";
        QTest::addRow("all 3.5: type 1 stays, held as 4")
            << S{3.5, 3.5, 3.5, 3.5, 3.5, 3.5, 3.5, 3.5, 3.5} << "The Perfectionist" << 4
            << WingOutcome::Balanced << "The Mediator"
            << "The Helper";
        QTest::addRow("tie of 3 and 6 goes to 6") << S{1, 2, 7, 1, 5, 7, 4, 1, 1} << "The Loyalist"
                                                  << 7 << WingOutcome::Left << "The Observer"
                                                  << "The Enthusiast";
        QTest::addRow("2 at 4.5, 3 at 4.0: type 3 takes over")
            << S{1, 4.5, 4, 1, 0, 0, 0, 0, 0} << "The Performer" << 4 << WingOutcome::Left
            << "The Helper"
            << "The Romantic";
        QTest::addRow("2 and 3 at 5.5: type 2 holds 6")
            << S{1, 5.5, 5.5, 1, 0, 0, 0, 0, 0} << "The Helper" << 6 << WingOutcome::Right
            << "The Perfectionist"
            << "The Performer";
        QTest::addRow("dominant 1, left wing 9")
            << S{9, 2, 0, 0, 0, 0, 0, 0, 3} << "The Perfectionist" << 9 << WingOutcome::Left
            << "The Mediator"
            << "The Helper";
        QTest::addRow("dominant 9, right wing 1") << S{5, 0, 0, 0, 0, 0, 0, 4, 9} << "The Mediator"
                                                  << 9 << WingOutcome::Right << "The Protector"
                                                  << "The Perfectionist";
        QTest::addRow("wings 2.5 and 2.0 round equal")
            << S{0, 0, 0, 2.5, 8, 2, 0, 0, 0} << "The Observer" << 8 << WingOutcome::Balanced
            << "The Romantic"
            << "The Loyalist";
        QTest::addRow("wings 3.5 and 4.0 round equal")
            << S{0, 0, 0, 3.5, 8, 4, 0, 0, 0} << "The Observer" << 8 << WingOutcome::Balanced
            << "The Romantic"
            << "The Loyalist";
        QTest::addRow("wings 1.5 and 1.0: left") << S{0, 0, 0, 1.5, 8, 1, 0, 0, 0} << "The Observer"
                                                 << 8 << WingOutcome::Left << "The Romantic"
                                                 << "The Loyalist";
    }
    void dominantAndWing()
    {
        QFETCH(Scores, scores);
        QFETCH(QString, dominant);
        QFETCH(int, dominantScore);
        QFETCH(WingOutcome, wing);
        QFETCH(QString, left);
        QFETCH(QString, right);
        arrangeScores(scores);
        QCOMPARE(ScoreTest(), wing);
        const TestState& s = testState;
        for (int t = 0; t < typeCount; ++t)
            QCOMPARE(s.typeScores[std::size_t(t)], scores[std::size_t(t)]);
        QCOMPARE(QString::fromStdString(s.dominantName), dominant);
        QCOMPARE(int(s.dominantScore), dominantScore);
        QCOMPARE(QString::fromStdString(s.leftWingName), left);
        QCOMPARE(QString::fromStdString(s.rightWingName), right);
        const int l = typeIndexOfName(left.toStdString());
        const int r = typeIndexOfName(right.toStdString());
        QCOMPARE(int(s.leftWingScore), int(roundHalfEven(scores[std::size_t(l)])));
        QCOMPARE(int(s.rightWingScore), int(roundHalfEven(scores[std::size_t(r)])));
    }

    void pointsPerAnswer_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<double>("points");
        QTest::addRow("Yes on a Yes key") << "Yes"
                                          << "Yes" << 1.0;
        QTest::addRow("No on a No key") << "No"
                                        << "No" << 1.0;
        QTest::addRow("Yes on a No key") << "No"
                                         << "Yes" << 0.0;
        QTest::addRow("No on a Yes key") << "Yes"
                                         << "No" << 0.0;
        QTest::addRow("May Be on a Yes key") << "Yes"
                                             << "May Be" << 0.5;
        QTest::addRow("May Be on a No key") << "No"
                                            << "May Be" << 0.5;
        QTest::addRow("case matters") << "Yes"
                                      << "yes" << 0.0;
        QTest::addRow("case matters for May Be") << "Yes"
                                                 << "may be" << 0.0;
    }
    void pointsPerAnswer()
    {
        QFETCH(QString, key);
        QFETCH(QString, answer);
        QFETCH(double, points);
        // Type 5's block has both keys; take its first question with the wanted key.
        int bankIndex = 80;
        while (QString::fromStdString(answerKeys[std::size_t(bankIndex)]) != key)
            ++bankIndex;
        TestState& s = testState;
        s = TestState();
        s.questionCount = 1;
        s.testQuestions = {bankIndex};
        s.givenAnswers = {answer.toStdString()};
        ScoreTest();
        QCOMPARE(s.typeScores[4], points);
    }
};

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
