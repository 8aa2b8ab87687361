// The review window: its layout, the named bar chart of the nine scores, the listing of
// questions and answers, and the picture list it draws from.
#include "ImageList.h"
#include "Questionnaire.h"
#include "RichTextView.h"
#include "TestPlatform.h"
#include "frmReview.h"
#include "modEnneagram.h"
#include "modRandomize.h"

#include <QLabel>
#include <QTextBlock>
#include <QtTest>
#include <random>

using namespace modEnneagram;

Q_DECLARE_METATYPE(modEnneagram::TestLength)

namespace {

const QStringList typeNamesInOrder{"The Perfectionist", "The Helper",    "The Performer",
                                   "The Romantic",      "The Observer",  "The Loyalist",
                                   "The Enthusiast",    "The Protector", "The Mediator"};

struct Entry
{
    int bankIndex;
    QString question;
    QString answer;
};

// Answers positions 0..answered-1 of a fresh test through the Next action, the answer at
// each position given by pick, and returns every question of the test as it was asked,
// with the answer it got ("" for those not reached).
QList<Entry> takeTest(TestLength length, int answered,
                      const std::function<std::string(int bankIndex, int position)>& pick)
{
    QList<Entry> asked;
    QuestionView view = StartTest(length);
    const int count = testState.questionCount;
    for (int p = 0; p < count; ++p) {
        const std::string answer =
            p < answered ? pick(testState.testQuestions[std::size_t(p)], p) : std::string();
        asked.append({testState.testQuestions[std::size_t(p)],
                      QString::fromStdString(view.questionText), QString::fromStdString(answer)});
        if (p + 1 == count)
            break;
        // Moving on without an answer is refused, so the positions not answered are walked
        // by setting the position directly.
        if (p < answered) {
            const NextOutcome next = NextQuestion(answer);
            if (next.result != NextResult::Moved)
                return {};
            view = next.view;
        } else {
            ++testState.currentPosition;
            view = currentQuestion();
        }
    }
    if (answered == count &&
        NextQuestion(asked.last().answer.toStdString()).result != NextResult::Finished)
        return {};
    testState.currentPosition = std::int16_t(std::min(answered, count - 1));
    return asked;
}

std::string cycled(int, int position)
{
    return std::string(answerCaptions[std::size_t(position % 3)]);
}

// The listing as paragraphs of text, each with whether all of it is bold.
struct Paragraph
{
    QString text;
    bool bold;
    bool operator==(const Paragraph&) const = default;
};

char* toString(const Paragraph& p)
{
    return QTest::toString(QString("\"%1\"%2").arg(p.text.left(60), p.bold ? " bold" : ""));
}

QList<Paragraph> paragraphs(const RichTextView& view)
{
    QList<Paragraph> result;
    for (QTextBlock b = view.document()->begin(); b.isValid(); b = b.next()) {
        bool bold = !b.text().isEmpty();
        for (auto it = b.begin(); !it.atEnd(); ++it)
            bold = bold && it.fragment().charFormat().fontWeight() == QFont::Bold;
        result.append({b.text(), bold});
    }
    return result;
}

} // namespace

class TestReview : public QObject
{
    Q_OBJECT

    TestPlatform m_platform;
    std::mt19937_64 m_engine{7};

private slots:
    void initTestCase()
    {
        modRandomize::setUniformSource(
            [this] { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53; });
    }
    void cleanupTestCase() { modRandomize::setUniformSource({}); }
    void init() { testState = TestState(); }

    void pictures_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("position");
        QTest::addRow("The Enthusiast") << "The Enthusiast" << 1;
        QTest::addRow("The Helper") << "The Helper" << 2;
        QTest::addRow("The Loyalist") << "The Loyalist" << 3;
        QTest::addRow("The Mediator") << "The Mediator" << 4;
        QTest::addRow("The Observer") << "The Observer" << 5;
        QTest::addRow("The Perfectionist") << "The Perfectionist" << 6;
        QTest::addRow("The Performer") << "The Performer" << 7;
        QTest::addRow("The Protector") << "The Protector" << 8;
        QTest::addRow("The Romantic") << "The Romantic" << 9;
        QTest::addRow("logo") << "logo" << 10;
        QTest::addRow("unknown name") << "The Achiever" << 0;
        QTest::addRow("case differs") << "the helper" << 0;
        QTest::addRow("empty key") << "" << 0;
    }
    void pictures()
    {
        QFETCH(QString, key);
        QFETCH(int, position);
        const ImageList& list = ImageList::IMG();
        QCOMPARE(list.count(), 10);
        QCOMPARE(list.indexOfKey(key), position);
        if (position == 0)
            return;
        QCOMPARE(list.keyAt(position), key);
        const QPixmap picture = list.picture(position);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), QSize(174, 178));
    }

    void layout()
    {
        frmReview review;
        QCOMPARE(review.windowTitle(), "Quarvel v1.0");
        QCOMPARE(review.minimumSize(), QSize(577, 445));
        QCOMPARE(review.maximumSize(), QSize(577, 445));
        QCOMPARE(review.palette().color(QPalette::Window), QColor(94, 159, 253));
        QCOMPARE(review.Label2->text(), "Review Enneagram Result");
    }

    void names_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QColor>("colour");
        const QColor colours[9] = {
            {0, 0, 0},     {0, 0, 128},   {0, 128, 0},     {0, 128, 128},   {128, 0, 0},
            {128, 0, 128}, {128, 128, 0}, {192, 192, 192}, {128, 128, 128},
        };
        for (int k = 0; k < 9; ++k)
            QTest::addRow("%s", qPrintable(typeNamesInOrder[k])) << k << colours[k];
    }
    void names()
    {
        QFETCH(int, k);
        QFETCH(QColor, colour);
        frmReview review;
        const QLabel* name = review.Label1[std::size_t(k)];
        QCOMPARE(name->text(), typeNamesInOrder[k]);
        QVERIFY(name->font().bold());
        QCOMPARE(name->palette().color(QPalette::WindowText), colour);
        QCOMPARE(reviewPaletteColour(k), colour);
        QCOMPARE(review.lblColorBar[std::size_t(k)]->palette().color(QPalette::Window), colour);
    }

    void bars_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("score");
        QTest::addColumn<float>("widthTwips");
        QTest::addColumn<int>("widthPixels");
        QTest::addColumn<QString>("toolTip");
        QTest::addRow("0 points: no bar") << 0 << 0.0 << 0.0f << 0 << "0";
        QTest::addRow("half a point") << 3 << 0.5 << 100.0f << 7 << "0.5";
        QTest::addRow("7.5 points") << 4 << 7.5 << 1500.0f << 100 << "7.5";
        QTest::addRow("20 points: full width") << 8 << 20.0 << 4000.0f << 267 << "20";
    }
    void bars()
    {
        QFETCH(int, k);
        QFETCH(double, score);
        QFETCH(float, widthTwips);
        QFETCH(int, widthPixels);
        QFETCH(QString, toolTip);
        testState.typeScores[std::size_t(k)] = score;
        frmReview review;
        review.show();
        const QLabel* bar = review.lblColorBar[std::size_t(k)];
        QCOMPARE(review.barWidthTwips(k), widthTwips);
        QCOMPARE(bar->isVisible(), score > 0);
        if (score > 0)
            QCOMPARE(bar->width(), widthPixels);
        QCOMPARE(bar->toolTip(), toolTip);
    }

    void listing_data()
    {
        QTest::addColumn<TestLength>("length");
        QTest::addColumn<int>("answered");
        QTest::addRow("quick test, finished") << TestLength::Quick << 54;
        QTest::addRow("in-depth test, finished") << TestLength::InDepth << 90;
        QTest::addRow("quick test, halfway") << TestLength::Quick << 27;
        QTest::addRow("quick test, nothing answered") << TestLength::Quick << 0;
    }
    void listing()
    {
        QFETCH(TestLength, length);
        QFETCH(int, answered);
        const QList<Entry> asked = takeTest(length, answered, cycled);
        QVERIFY(!asked.isEmpty());

        frmReview review;
        QList<Paragraph> expected;
        for (int p = 0; p < asked.size(); ++p) {
            expected.append(
                {QString("Question No.%1. %2").arg(p + 1).arg(asked[p].question), true});
            expected.append({"Your Answer: " + asked[p].answer, false});
            expected.append({"", false});
        }
        expected.append({"", false}); // after the last line break
        const QList<Paragraph> shown = paragraphs(*review.RTB);
        QCOMPARE(shown, expected);
        if (answered > 2)
            QCOMPARE(shown[3 * 2 + 1].text, "Your Answer: May Be");
    }

    void beforeAnyTest()
    {
        typeNames.clear();
        typeDescriptions.clear();
        questionTexts.clear();
        answerKeys.clear();
        frmReview review;
        review.show();
        for (int k = 0; k < 9; ++k) {
            QCOMPARE(review.Label1[std::size_t(k)]->text(), typeNamesInOrder[k]);
            QVERIFY(!review.lblColorBar[std::size_t(k)]->isVisible());
            QCOMPARE(review.barWidthTwips(k), 0.0f);
        }
        QVERIFY(review.RTB->document()->isEmpty());
    }

    void rebuildShowsOnlyTheNewTest()
    {
        QVERIFY(!takeTest(TestLength::Comprehensive, bankSize, [](int, int) {
                     return std::string(answerMayBe);
                 }).isEmpty());
        ScoreTest();
        frmReview review;
        review.show();
        for (int k = 0; k < 9; ++k)
            QCOMPARE(review.barWidthTwips(k), 2000.0f); // 10 points

        // Every answer matches its key except on type 1, which scores nothing.
        const QList<Entry> second = takeTest(TestLength::Quick, 54, [](int bankIndex, int) {
            const std::string& key = answerKeys[std::size_t(bankIndex)];
            return typeOfBankIndex(bankIndex) != 1 ? key : key == "Yes" ? "No" : "Yes";
        });
        QVERIFY(!second.isEmpty());
        ScoreTest();
        review.buildContent();
        std::array<int, typeCount> points{};
        for (const Entry& e : second) {
            if (typeOfBankIndex(e.bankIndex) != 1)
                ++points[std::size_t(typeOfBankIndex(e.bankIndex) - 1)];
        }
        for (int k = 0; k < 9; ++k) {
            const int score = points[std::size_t(k)];
            QCOMPARE(review.barWidthTwips(k), float(200 * score));
            QCOMPARE(review.lblColorBar[std::size_t(k)]->isVisible(), score > 0);
            QCOMPARE(review.lblColorBar[std::size_t(k)]->toolTip(), QString::number(score));
        }
        const QList<Paragraph> shown = paragraphs(*review.RTB);
        QCOMPARE(shown.size(), 54 * 3 + 1);
        QCOMPARE(shown.first().text, "Question No.1. " + second.first().question);
        QCOMPARE(shown[54 * 3 - 3].text, "Question No.54. " + second.last().question);
    }
};

QTEST_MAIN(TestReview)
#include "tst_review.moc"
