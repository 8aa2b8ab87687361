// The main window as a user meets it: its layout, the screen stack, taking a test with the
// mouse and the keyboard, and the access keys of the hidden command buttons.
#include "ClickableLabel.h"
#include "CommandButton.h"
#include "ImageList.h"
#include "MainWindowFixture.h"
#include "PictureBox.h"
#include "PictureButton.h"
#include "RichTextView.h"
#include "ScreenStack.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>

using namespace modEnneagram;

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        QVERIFY(f->ready());
    }
    void cleanup() { f.reset(); }

    void window()
    {
        frmMain& w = f->w();
        QCOMPARE(w.windowTitle(), QString("Quarvel v1.0"));
        QCOMPARE(w.centralWidget()->size(), QSize(625, 290));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(w.font().families().contains("Verdana"));
        QVERIFY(w.font().families().contains("DejaVu Sans"));
        QCOMPARE(w.font().pointSizeF(), 8.25);
        QCOMPARE(w.screens().front(), w.Picture1);
        QVERIFY(w.opt[0]->isChecked());
        QVERIFY(w.chkIsNext->isChecked());
        QCOMPARE(w.picLogo->position(), ImageList::IMG().indexOfKey("logo"));
    }

    // Where a control sits, in pixels within the window's client area, and what it says.
    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("text");
        // picMain's children sit inside its 2-pixel border; a screen's inside its 1-pixel one.
        const QPoint inMain(2, 2);
        const QPoint inScreen = inMain + QPoint(192, 93) + QPoint(1, 1);
        QTest::addRow("picMain") << "picMain" << QRect(0, 0, 631, 293) << "";
        QTest::addRow("picHelp") << "picHelp" << QRect(inMain + QPoint(521, 5), QSize(51, 50))
                                 << "";
        QTest::addRow("picExit") << "picExit" << QRect(inMain + QPoint(570, 5), QSize(51, 50))
                                 << "";
        QTest::addRow("picLogo") << "picLogo" << QRect(inMain + QPoint(0, 88), QSize(174, 178))
                                 << "";
        QTest::addRow("lblHyperlink")
            << "lblHyperlink" << QRect(inMain + QPoint(472, 267), QSize(145, 17)) << "";
        for (const char* screen : {"Picture1", "Picture2", "Picture3", "picAbout"})
            QTest::addRow("%s", screen)
                << screen << QRect(inMain + QPoint(192, 93), QSize(417, 160)) << "";
        QTest::addRow("Label2") << "Label2" << QRect(inScreen + QPoint(32, 8), QSize(241, 13))
                                << "Choose One of the Following Options:";
        QTest::addRow("opt 0") << "opt_0" << QRect(inScreen + QPoint(40, 32), QSize(13, 13)) << "";
        QTest::addRow("lblOptions 0")
            << "lblOptions_0" << QRect(inScreen + QPoint(56, 32), QSize(300, 13))
            << "I Would Like to Take a Quick Look at my Personality";
        QTest::addRow("lblOptions 1")
            << "lblOptions_1" << QRect(inScreen + QPoint(56, 52), QSize(302, 13))
            << "I Would Like A More In depth Look at my Personality";
        QTest::addRow("lblOptions 2")
            << "lblOptions_2" << QRect(inScreen + QPoint(56, 72), QSize(318, 13))
            << "I Would Like to Take a Comprehensive Personality Test";
        QTest::addRow("picStart, initial picture")
            << "picStart" << QRect(inScreen + QPoint(128, 112), QSize(147, 30)) << "";
        QTest::addRow("lblQuestions")
            << "lblQuestions" << QRect(inScreen + QPoint(11, 32), QSize(392, 45)) << "";
        QTest::addRow("optAnswer 0")
            << "optAnswer_0" << QRect(inScreen + QPoint(120, 86), QSize(13, 13)) << "";
        QTest::addRow("lblAnswer 0")
            << "lblAnswer_0" << QRect(inScreen + QPoint(137, 86), QSize(31, 13)) << "Yes";
        QTest::addRow("lblAnswer 1")
            << "lblAnswer_1" << QRect(inScreen + QPoint(192, 86), QSize(25, 13)) << "No";
        QTest::addRow("lblAnswer 2")
            << "lblAnswer_2" << QRect(inScreen + QPoint(241, 86), QSize(46, 13)) << "May Be";
        QTest::addRow("picBack") << "picBack" << QRect(inScreen + QPoint(312, 104), QSize(41, 35))
                                 << "";
        QTest::addRow("picNext") << "picNext" << QRect(inScreen + QPoint(361, 104), QSize(41, 35))
                                 << "";
        QTest::addRow("chkIsNext")
            << "chkIsNext" << QRect(inScreen + QPoint(8, 136), QSize(13, 13)) << "";
        QTest::addRow("Label3") << "Label3" << QRect(inScreen + QPoint(24, 136), QSize(199, 13))
                                << "Automatically Go To Next Question";
        QTest::addRow("Label4") << "Label4" << QRect(inScreen + QPoint(8, 1), QSize(118, 13))
                                << "Enneagram Result";
        QTest::addRow("RTB") << "RTB" << QRect(inScreen + QPoint(8, 15), QSize(399, 110)) << "";
        QTest::addRow("picPrint") << "picPrint" << QRect(inScreen + QPoint(56, 128), QSize(75, 27))
                                  << "";
        QTest::addRow("picSave") << "picSave" << QRect(inScreen + QPoint(136, 127), QSize(75, 27))
                                 << "";
        QTest::addRow("picReview")
            << "picReview" << QRect(inScreen + QPoint(216, 127), QSize(138, 27)) << "";
        QTest::addRow("Label8") << "Label8" << QRect(inScreen + QPoint(8, 8), QSize(147, 16))
                                << "Quarvel v1.0";
        QTest::addRow("picOK, framed")
            << "picOK" << QRect(inScreen + QPoint(331, 120), QSize(78, 34)) << "";
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QString, text);
        QWidget* widget = f->w().findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        const QPoint topLeft = widget->mapTo(f->w().centralWidget(), QPoint(0, 0));
        QCOMPARE(QRect(topLeft, widget->size()), rect);
        if (auto* label = qobject_cast<QLabel*>(widget))
            QCOMPARE(label->text(), text);
    }

    void picturesAndTooltips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("hand");
        QTest::addRow("picHelp") << "picHelp"
                                 << "Help" << true;
        QTest::addRow("picExit") << "picExit"
                                 << "Exit" << true;
        QTest::addRow("picStart") << "picStart"
                                  << "" << true;
        QTest::addRow("picBack") << "picBack"
                                 << "Previous Question" << true;
        QTest::addRow("picNext") << "picNext"
                                 << "Next Question" << true;
        QTest::addRow("picOK") << "picOK"
                               << "" << false;
        QTest::addRow("picPrint") << "picPrint"
                                  << "" << true;
        QTest::addRow("picSave") << "picSave"
                                 << "" << true;
        QTest::addRow("picReview") << "picReview"
                                   << "" << true;
    }
    void picturesAndTooltips()
    {
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        QFETCH(bool, hand);
        auto* button = f->w().findChild<PictureButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), toolTip);
        QCOMPARE(button->cursor().shape(), hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
        QVERIFY(!button->accessibleName().isEmpty());
    }

    void aboutAndOkReturnToTheScreenInFront()
    {
        frmMain& w = f->w();
        const auto aboutThenOk = [&] {
            w.mnuAbout_Click();
            QCOMPARE(w.screens().front(), w.picAbout);
            f->click(w.picOK);
        };
        // Options screen, with the in-depth length chosen.
        f->click(w.lblOptions[1]);
        aboutThenOk();
        QCOMPARE(w.screens().front(), w.Picture1);
        QVERIFY(w.opt[1]->isChecked());
        // Question screen with an answer chosen but not yet accepted.
        w.chkIsNext->setChecked(false);
        f->click(w.picStart);
        f->click(w.lblAnswer[2]);
        const QString question = w.lblQuestions->text();
        aboutThenOk();
        QCOMPARE(w.screens().front(), w.Picture2);
        QVERIFY(w.optAnswer[2]->isChecked());
        QCOMPARE(w.lblQuestions->text(), question);
        // The about screen stays behind every other once sent back.
        QCOMPARE(w.screens().order().last(), w.picAbout);
        QVERIFY(!w.picAbout->isVisible());
    }

    void mainFromEveryScreen_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addRow("options") << 0;
        QTest::addRow("question") << 1;
        QTest::addRow("result") << 2;
        QTest::addRow("about") << 3;
    }
    void mainFromEveryScreen()
    {
        QFETCH(int, screen);
        frmMain& w = f->w();
        QWidget* screens[] = {w.Picture1, w.Picture2, w.Picture3, w.picAbout};
        if (screen > 0)
            f->click(w.picStart);
        if (screen == 2) {
            for (int p = 0; p < 54; ++p)
                f->key(Qt::Key_Y);
        }
        if (screen == 3)
            w.mnuAbout_Click();
        QCOMPARE(w.screens().front(), screens[screen]);
        const auto answers = testState.givenAnswers;
        f->altKey(Qt::Key_M);
        QCOMPARE(w.screens().front(), w.Picture1);
        QCOMPARE(w.cmdNext->caption(), QString("Next >>"));
        QCOMPARE(w.picLogo->position(), ImageList::IMG().indexOfKey("logo"));
        QCOMPARE(testState.givenAnswers, answers); // nothing of the test is touched
        // Only the front screen can take the keyboard focus.
        for (QWidget* s : screens)
            QCOMPARE(s->isVisible(), s == w.Picture1);
    }

    void quickTestByClicks()
    {
        frmMain& w = f->w();
        f->click(w.opt[0]);
        f->click(w.picStart);
        QCOMPARE(w.screens().front(), w.Picture2);
        QCOMPARE(w.lblQNo->text(), QString("Question 1 Of 54"));
        for (int p = 0; p < 54; ++p) {
            QCOMPARE(w.lblQNo->text(), QString("Question %1 Of 54").arg(p + 1));
            QCOMPARE(w.lblQuestions->text().toStdString(),
                     questionTexts[std::size_t(testState.testQuestions[std::size_t(p)])]);
            f->click(p % 2 ? static_cast<QWidget*>(w.optAnswer[std::size_t(p % 3)])
                           : w.lblAnswer[std::size_t(p % 3)]);
        }
        QCOMPARE(w.screens().front(), w.Picture3);
        QCOMPARE(w.cmdNext->caption(), QString("View Test Result"));
        QVERIFY(w.RTB->toPlainText().startsWith("Your personality type is "));
        for (int p = 0; p < 54; ++p)
            QCOMPARE(testState.givenAnswers[std::size_t(p)],
                     std::string(answerCaptions[std::size_t(p % 3)]));
        QVERIFY(f->platform.messages.isEmpty());
    }

    void comprehensiveTestByKeys()
    {
        frmMain& w = f->w();
        f->click(w.lblOptions[2]);
        f->altKey(Qt::Key_S);
        QCOMPARE(w.lblQNo->text(), QString("Question 1 Of 180"));
        const Qt::Key keys[] = {Qt::Key_Y, Qt::Key_N, Qt::Key_M, Qt::Key_1, Qt::Key_2, Qt::Key_3};
        for (int p = 0; p < 180; ++p)
            f->key(keys[p % 6]);
        QCOMPARE(w.screens().front(), w.Picture3);
        QCOMPARE(testState.givenAnswers[3], std::string("Yes"));
        QCOMPARE(testState.givenAnswers[5], std::string("May Be"));
        // The answer keys do nothing once the question screen is behind.
        f->key(Qt::Key_Y);
        QCOMPARE(w.screens().front(), w.Picture3);
    }

    void manualAdvance()
    {
        frmMain& w = f->w();
        f->click(w.picStart);
        f->click(w.Label3); // automatic advance off
        QVERIFY(!w.chkIsNext->isChecked());
        // Next with nothing chosen refuses, with the question's number.
        f->click(w.picNext);
        QCOMPARE(f->platform.messages.size(), 1);
        QCOMPARE(f->platform.messages[0].text, QString("Question No. 1 is Unanswered"));
        QCOMPARE(f->platform.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(f->platform.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // Choosing twice keeps the last choice.
        for (int p = 0; p < 4; ++p) {
            f->click(w.lblAnswer[0]);
            f->click(w.lblAnswer[1]);
            QCOMPARE(testState.currentPosition, std::int16_t(p));
            f->click(w.picNext);
        }
        QCOMPARE(w.lblQNo->text(), QString("Question 5 Of 54"));
        QCOMPARE(testState.givenAnswers[3], std::string("No"));
        // "Yes" chosen on question 5, then Back: question 4 with "Yes" still selected.
        f->click(w.optAnswer[0]);
        f->click(w.picBack);
        QCOMPARE(w.lblQNo->text(), QString("Question 4 Of 54"));
        QVERIFY(w.optAnswer[0]->isChecked());
        f->click(w.picNext);
        QCOMPARE(testState.givenAnswers[3], std::string("Yes"));
        QVERIFY(!w.optAnswer[0]->isChecked());
        // Back to question 4 again: nothing selected although "Yes" is recorded.
        f->click(w.picBack);
        QVERIFY(!w.optAnswer[0]->isChecked() && !w.optAnswer[1]->isChecked() &&
                !w.optAnswer[2]->isChecked());
        f->click(w.picNext);
        QCOMPARE(f->platform.messages.last().text, QString("Question No. 4 is Unanswered"));
        // Back on question 1 does nothing.
        for (int i = 0; i < 5; ++i)
            f->click(w.picBack);
        QCOMPARE(w.lblQNo->text(), QString("Question 1 Of 54"));
        // The check box itself toggles too.
        f->click(w.chkIsNext);
        QVERIFY(w.chkIsNext->isChecked());
    }

    void accessKeys()
    {
        frmMain& w = f->w();
        // Before any test: Alt+N finds no answer, Alt+B does nothing, Alt+R opens the review.
        f->altKey(Qt::Key_N);
        QCOMPARE(f->platform.messages.size(), 1);
        QCOMPARE(f->platform.messages[0].text, QString("Question No. 1 is Unanswered"));
        f->altKey(Qt::Key_B);
        QCOMPARE(w.screens().front(), w.Picture1);
        f->altKey(Qt::Key_R);
        QCOMPARE(f->platform.modalRuns, 1);

        // Alt+N moves on while the caption still carries its access key...
        w.chkIsNext->setChecked(false);
        f->altKey(Qt::Key_S);
        QCOMPARE(w.screens().front(), w.Picture2);
        QCOMPARE(w.cmdNext->caption(), QString("&Next >>"));
        f->click(w.lblAnswer[0]);
        f->altKey(Qt::Key_N);
        QCOMPARE(w.lblQNo->text(), QString("Question 2 Of 54"));
        // ...and not once the first move has set it to "Next >>".
        QCOMPARE(w.cmdNext->caption(), QString("Next >>"));
        QVERIFY(w.cmdNext->accessKey().isEmpty());
        f->click(w.lblAnswer[0]);
        f->altKey(Qt::Key_N);
        QCOMPARE(w.lblQNo->text(), QString("Question 2 Of 54"));
        f->altKey(Qt::Key_B);
        QCOMPARE(w.lblQNo->text(), QString("Question 1 Of 54"));
        // Alt+S starts nothing away from the options screen.
        f->altKey(Qt::Key_S);
        QCOMPARE(w.lblQNo->text(), QString("Question 1 Of 54"));
        QCOMPARE(w.screens().front(), w.Picture2);
        // Alt+B on the result screen moves the hidden question back.
        w.chkIsNext->setChecked(true);
        for (int p = 0; p < 54; ++p)
            f->key(Qt::Key_N);
        QCOMPARE(w.screens().front(), w.Picture3);
        f->altKey(Qt::Key_B);
        QCOMPARE(w.screens().front(), w.Picture3);
        QCOMPARE(testState.currentPosition, std::int16_t(52));
    }

    void startDuringATestDiscardsIt()
    {
        frmMain& w = f->w();
        f->click(w.picStart);
        f->key(Qt::Key_Y);
        f->key(Qt::Key_Y);
        f->altKey(Qt::Key_M);
        f->click(w.lblOptions[1]);
        f->click(w.picStart);
        QCOMPARE(w.lblQNo->text(), QString("Question 1 Of 90"));
        QCOMPARE(testState.givenAnswers.size(), std::size_t(90));
        QCOMPARE(testState.givenAnswers[0], std::string());
    }

    void reviewShowsTheResultEachTimeItOpens()
    {
        frmMain& w = f->w();
        f->click(w.picStart);
        for (int p = 0; p < 54; ++p)
            f->key(Qt::Key_M);
        const int expected =
            ImageList::IMG().indexOfKey(QString::fromStdString(testState.dominantName));
        QVERIFY(expected > 0);
        QCOMPARE(w.picLogo->position(), expected);
        QStringList firstLines;
        f->platform.onModal = [&](QDialog& dialog) {
            auto& review = static_cast<frmReview&>(dialog);
            QCOMPARE(review.picLogo->position(), expected);
            firstLines << review.RTB->toPlainText().section('\n', 0, 0);
        };
        f->click(w.picReview);
        QVERIFY(!w.review()); // closing it destroyed it
        f->altKey(Qt::Key_R);
        QCOMPARE(f->platform.modalRuns, 2);
        QCOMPARE(firstLines.size(), 2);
        QCOMPARE(firstLines[0], firstLines[1]);
        QVERIFY(firstLines[0].startsWith("Question No.1. "));
    }

    void aKeptReviewFollowsTheNextTest()
    {
        frmMain& w = f->w();
        f->click(w.picStart);
        for (int p = 0; p < 54; ++p)
            f->key(Qt::Key_Y);
        QVERIFY(w.review()); // kept, hidden, since the test finished
        f->altKey(Qt::Key_M);
        f->click(w.lblOptions[2]);
        f->click(w.picStart);
        f->key(Qt::Key_N);
        int entries = 0;
        QString firstAnswer;
        f->platform.onModal = [&](QDialog& dialog) {
            const QString text = static_cast<frmReview&>(dialog).RTB->toPlainText();
            entries = int(text.count("Question No."));
            firstAnswer = text.section('\n', 1, 1);
        };
        f->altKey(Qt::Key_R);
        QCOMPARE(entries, 180);
        QCOMPARE(firstAnswer, QString("Your Answer: No"));
    }

    void tabStaysOnTheFrontScreen()
    {
        frmMain& w = f->w();
        f->click(w.picStart);
        for (int i = 0; i < 12; ++i) {
            f->key(Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QVERIFY2(!w.Picture1->isAncestorOf(focus) && !w.Picture3->isAncestorOf(focus) &&
                         !w.picAbout->isAncestorOf(focus),
                     qPrintable(focus->objectName()));
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
