// In-process latencies of what a user waits for, on the real main window with the desktop
// stood in for: starting a test of each length, one Next, finishing a comprehensive test
// (scoring, the report, the type picture and the review content), opening the review
// window, and writing the report as RTF. Figures only; nothing here fails on time.
#include "ClickableLabel.h"
#include "MainWindowFixture.h"
#include "RichTextView.h"
#include "RtfWriter.h"
#include "ScreenStack.h"

#include <QRadioButton>

using namespace modEnneagram;

class BenchInProcess : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;

    // Answers the whole comprehensive test with "No"; the window ends on the result screen.
    void finishComprehensive()
    {
        frmMain& w = f->w();
        w.screens().bringToFront(w.Picture1);
        w.lblOptions_Click(2);
        w.cmdStart_Click();
        for (int p = 0; p < bankSize; ++p)
            w.lblAnswer_Click(1);
    }

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        QVERIFY(f->ready());
    }
    void cleanup() { f.reset(); }

    void start_data()
    {
        QTest::addColumn<int>("option");
        QTest::addRow("quick (54)") << 0;
        QTest::addRow("in depth (90)") << 1;
        QTest::addRow("comprehensive (180)") << 2;
    }
    void start()
    {
        QFETCH(int, option);
        frmMain& w = f->w();
        w.lblOptions_Click(option);
        QBENCHMARK
        {
            w.screens().bringToFront(w.Picture1);
            w.cmdStart_Click();
        }
        QCOMPARE(w.screens().front(), w.Picture2);
    }

    // Choosing an answer with automatic advance: the answer is recorded and the next
    // question shown. The position wraps before the end, so every round is a plain Next.
    void next()
    {
        frmMain& w = f->w();
        w.lblOptions_Click(2);
        w.cmdStart_Click();
        QBENCHMARK
        {
            if (testState.currentPosition == bankSize - 2)
                testState.currentPosition = 0;
            w.lblAnswer_Click(1);
        }
        QCOMPARE(w.screens().front(), w.Picture2);
    }

    // The last answer of a comprehensive test: scoring, the report, the type picture on the
    // main and review windows, and the review content, which is rebuilt because the window
    // kept from the previous finish still exists.
    void finishComprehensiveTest()
    {
        frmMain& w = f->w();
        finishComprehensive();
        QBENCHMARK
        {
            testState.currentPosition = std::int16_t(bankSize - 1);
            w.screens().bringToFront(w.Picture2);
            w.lblAnswer_Click(1);
        }
        QCOMPARE(w.screens().front(), w.Picture3);
    }

    void openReview_data()
    {
        QTest::addColumn<bool>("paint");
        QTest::addRow("build and close") << false;
        QTest::addRow("build, paint and close") << true;
    }
    // Opening the review window after a comprehensive test; closing it destroys it, so
    // every opening builds it afresh.
    void openReview()
    {
        QFETCH(bool, paint);
        frmMain& w = f->w();
        finishComprehensive();
        f->platform.onModal = [paint](QDialog& dialog) {
            if (paint) {
                dialog.show();
                const QPixmap shown = dialog.grab();
                Q_UNUSED(shown);
            }
            dialog.reject();
        };
        w.cmdReview_Click(); // the window kept from the finish goes
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QBENCHMARK
        {
            w.cmdReview_Click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(!w.review());
    }

    void reportToRtf()
    {
        finishComprehensive();
        QByteArray rtf;
        QBENCHMARK
        {
            rtf = documentToRtf(*f->w().RTB->document());
        }
        QVERIFY(rtf.startsWith("{\\rtf1"));
    }
};

QTEST_MAIN(BenchInProcess)
#include "bench_inprocess.moc"
