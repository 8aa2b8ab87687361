// Random use of the real main window: thousands of user actions drawn at random from
// everything a user can reach (clicks on the visible controls of the screen in front,
// pointer moves over the picture buttons, the answer keys, the access keys, Tab and Space,
// the menus, the review window, saving and printing), with the program's invariants checked
// after every one.
//
// Pointer events go where the desktop would send them: to the widget that holds the pointer
// grab, if any, otherwise to the widget under the pointer. Key events go to the focus widget.
//
// QUARVEL_RANDOM_ACTIONS sets the number of actions per run (default 2000), and
// QUARVEL_RANDOM_SEED the seed (default below); a failure names the seed, the action's number
// and name, and the actions that led to it.
#include "ClickableLabel.h"
#include "CommandButton.h"
#include "MainWindowFixture.h"
#include "PictureButton.h"
#include "RichTextView.h"
#include "ScreenStack.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <deque>
#include <functional>
#include <set>

using namespace modEnneagram;

namespace {

constexpr quint64 defaultSeed = 20261209;

quint64 envNumber(const char* name, quint64 fallback)
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

// The offscreen platform says so at every pointer grab and window resize; that is not news.
QtMessageHandler previousHandler = nullptr;
void dropOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text == "This plugin does not support grabbing the mouse" ||
        text == "This plugin does not support propagateSizeHints()")
        return;
    previousHandler(type, context, text);
}

enum class Profile
{
    Anything,
    MostlyAnswers,
    KeyboardOnly
};

struct Action
{
    QString name;
    std::function<void()> run;
    int weight = 1;
};

class RandomUser
{
public:
    RandomUser(MainWindowFixture& fixture, quint64 seed, Profile mix)
        : f(fixture), w(fixture.w()), rng(seed), profile(mix)
    {
        f.platform.printResult = PrintResult::NoPrinter;
        f.platform.onModal = [this](QDialog& dialog) { reviewOpened(dialog); };
    }

    // Runs one randomly chosen action; returns its name.
    QString step()
    {
        const std::vector<Action> actions = available();
        int total = 0;
        for (const Action& a : actions)
            total += a.weight;
        int pick = int(rng() % quint64(total));
        for (const Action& a : actions) {
            pick -= a.weight;
            if (pick < 0) {
                a.run();
                return a.name;
            }
        }
        Q_UNREACHABLE();
    }

    // The first broken invariant, or an empty string.
    QString broken() const
    {
        const TestState& s = testState;
        const int count = s.questionCount;
        if (count < 0)
            return "negative questionCount";
        if (s.currentPosition < 0 || s.currentPosition > std::max(count - 1, 0))
            return QString("currentPosition %1 outside the test of %2")
                .arg(s.currentPosition)
                .arg(count);
        if (int(s.testQuestions.size()) != count || int(s.givenAnswers.size()) != count)
            return QString("%1 questions and %2 answers for a test of %3")
                .arg(s.testQuestions.size())
                .arg(s.givenAnswers.size())
                .arg(count);
        std::set<int> seen;
        for (const std::int32_t b : s.testQuestions) {
            if (b < 0 || b >= bankSize)
                return QString("bank index %1 out of range").arg(b);
            if (!seen.insert(b).second)
                return QString("bank index %1 drawn twice").arg(b);
        }
        for (std::size_t p = 0; p < s.givenAnswers.size(); ++p) {
            const std::string& a = s.givenAnswers[p];
            if (a != answerYes && a != answerNo && a != answerMayBe && !a.empty())
                return QString("answer \"%1\" recorded at %2").arg(a.c_str()).arg(p);
            // Every question before the current one has been answered on the way.
            if (a.empty() && int(p) < s.currentPosition)
                return QString("question %1 unanswered behind position %2")
                    .arg(p + 1)
                    .arg(s.currentPosition + 1);
        }

        QWidget* front = w.screens().front();
        if (!front || !front->isVisible())
            return "the front screen is not shown";
        for (QWidget* screen : w.screens().order())
            if (screen != front && screen->isVisible())
                return screen->objectName() + " is shown behind " + front->objectName();
        if (front == w.Picture2) {
            const QString line = QString("Question %1 Of %2").arg(s.currentPosition + 1).arg(count);
            if (w.lblQNo->text() != line)
                return "question screen shows \"" + w.lblQNo->text() + "\" at " + line;
        }

        const QString caption = w.cmdNext->caption();
        if (caption != "&Next >>" && caption != "Next >>" && caption != "View Test Result")
            return "cmdNext caption \"" + caption + "\"";
        if (QWidget* grabber = QWidget::mouseGrabber(); grabber && !grabber->isVisible())
            return "hidden " + grabber->objectName() + " holds the pointer grab";
        if (!reviewProblem.isEmpty())
            return reviewProblem;
        return {};
    }

private:
    MainWindowFixture& f;
    frmMain& w;
    std::mt19937_64 rng;
    Profile profile;
    QString reviewProblem;

    int below(int n) { return int(rng() % quint64(n)); }

    std::vector<Action> available()
    {
        std::vector<Action> list;
        const bool mouse = profile != Profile::KeyboardOnly;
        const int answerWeight = profile == Profile::Anything ? 1 : 12;
        QWidget* front = w.screens().front();

        const auto add = [&list](QString name, std::function<void()> run, int weight = 1) {
            list.push_back({std::move(name), std::move(run), weight});
        };
        const auto addClick = [&](QWidget* target, int weight = 1) {
            add(
                "click " + target->objectName(), [this, target] { click(target); }, weight);
        };

        // Keys reach the window whatever screen is in front.
        static const std::pair<Qt::Key, const char*> answerKeys[] = {
            {Qt::Key_Y, "Y"}, {Qt::Key_N, "N"}, {Qt::Key_M, "M"},
            {Qt::Key_1, "1"}, {Qt::Key_2, "2"}, {Qt::Key_3, "3"}};
        for (const auto& [key, label] : answerKeys)
            add(
                QString("key %1").arg(label), [this, k = key] { keyClick(k); }, answerWeight);
        for (const auto& [key, label] :
             {std::pair{Qt::Key_M, "M"}, std::pair{Qt::Key_R, "R"}, std::pair{Qt::Key_B, "B"},
              std::pair{Qt::Key_N, "N"}, std::pair{Qt::Key_S, "S"}})
            add(QString("key Alt+%1").arg(label),
                [this, k = key] { keyClick(k, Qt::AltModifier); });
        add("key Tab", [this] { keyClick(Qt::Key_Tab); });
        add("key Shift+Tab", [this] { keyClick(Qt::Key_Backtab, Qt::ShiftModifier); });
        add("key Space", [this] { keyClick(Qt::Key_Space); });
        add("key Return", [this] { keyClick(Qt::Key_Return); });
        add("menu Help > About Software", [this] { trigger("mnuAbout"); });
        add("menu Help > Online Help", [this] { trigger("mnuOnline"); });

        if (!mouse)
            return list;

        addClick(w.picHelp);
        addClick(w.picExit); // answered No
        addClick(w.lblHyperlink);
        std::vector<PictureButton*> pictures{w.picHelp, w.picExit};
        if (front == w.Picture1) {
            for (int i = 0; i < 3; ++i) {
                addClick(w.opt[std::size_t(i)]);
                addClick(w.lblOptions[std::size_t(i)]);
            }
            addClick(w.picStart, profile == Profile::MostlyAnswers ? 4 : 1);
            pictures.push_back(w.picStart);
        } else if (front == w.Picture2) {
            for (int i = 0; i < 3; ++i) {
                addClick(w.optAnswer[std::size_t(i)], answerWeight);
                addClick(w.lblAnswer[std::size_t(i)], answerWeight);
            }
            addClick(w.picNext);
            addClick(w.picBack);
            addClick(w.chkIsNext);
            addClick(w.Label3);
            pictures.insert(pictures.end(), {w.picNext, w.picBack});
        } else if (front == w.Picture3) {
            addClick(w.picReview);
            addClick(w.picSave);
            addClick(w.picPrint);
            addClick(w.RTB->viewport());
            pictures.insert(pictures.end(), {w.picReview, w.picSave, w.picPrint});
        } else if (front == w.picAbout) {
            addClick(w.picOK, profile == Profile::MostlyAnswers ? 4 : 1);
            pictures.push_back(w.picOK);
        }
        for (PictureButton* picture : pictures)
            add(
                "hover " + picture->objectName(), [this, picture] { hover(picture); }, 2);
        return list;
    }

    // --- what the desktop does with the user's pointer and keys ---------------------------
    QWidget* receiverAt(QPoint inWindow) const
    {
        if (QWidget* grabber = QWidget::mouseGrabber())
            return grabber;
        QWidget* under = w.childAt(inWindow);
        return under ? under : &w;
    }

    void mouse(QEvent::Type type, QPoint inWindow, Qt::MouseButton button, Qt::MouseButtons buttons,
               QWidget* receiver)
    {
        const QPoint global = w.mapToGlobal(inWindow);
        QMouseEvent event(type, QPointF(receiver->mapFromGlobal(global)), QPointF(global), button,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(receiver, &event);
    }

    void moveTo(QPoint inWindow)
    {
        mouse(QEvent::MouseMove, inWindow, Qt::NoButton, Qt::NoButton, receiverAt(inWindow));
    }

    void click(QWidget* target)
    {
        const QPoint at = target->mapTo(&w, QRect(QPoint(), target->size()).center());
        moveTo(at);
        QPointer<QWidget> receiver = receiverAt(at);
        mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, receiver);
        if (receiver)
            mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, receiver);
        settle();
    }

    // A move to a point on the button or up to eight pixels beyond its edges.
    void hover(PictureButton* picture)
    {
        const QPoint local(below(picture->width() + 17) - 8, below(picture->height() + 17) - 8);
        moveTo(picture->mapTo(&w, local));
    }

    void keyClick(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : &w, key, modifiers);
        settle();
    }

    void trigger(const char* action)
    {
        auto* item = w.findChild<QAction*>(action);
        QVERIFY(item);
        item->trigger();
        settle();
    }

    // Runs what the action posted (such as the deletion of a closed review window).
    void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!w.isActiveWindow()) {
            QApplication::setActiveWindow(&w);
            w.activateWindow();
        }
    }

    // The review window while it is open: its listing holds every question of the test, and
    // the user looks at it, maybe moves over it, and closes it.
    void reviewOpened(QDialog& dialog)
    {
        auto* review = qobject_cast<frmReview*>(&dialog);
        if (!review) {
            reviewProblem = "a modal window other than the review opened";
            return;
        }
        const int listed = review->RTB->toPlainText().count("Your Answer:");
        if (listed != int(testState.testQuestions.size()))
            reviewProblem = QString("the review lists %1 questions of %2")
                                .arg(listed)
                                .arg(testState.testQuestions.size());
        switch (below(3)) {
        case 0: // closed before it ever showed
            return;
        case 1:
            dialog.setWindowModality(Qt::ApplicationModal);
            dialog.show();
            dialog.reject();
            return;
        default: {
            dialog.setWindowModality(Qt::ApplicationModal);
            dialog.show();
            const QPoint at = review->RTB->viewport()->rect().center();
            QMouseEvent move(QEvent::MouseMove, QPointF(at),
                             QPointF(review->RTB->viewport()->mapToGlobal(at)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(review->RTB->viewport(), &move);
            dialog.close();
            return;
        }
        }
    }
};

} // namespace

Q_DECLARE_METATYPE(Profile)

class TestRandomUse : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(dropOffscreenNotices); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void randomUse_data()
    {
        QTest::addColumn<Profile>("profile");
        QTest::addRow("anything") << Profile::Anything;
        // Answers outweigh the rest, so tests get finished and the result screen is used.
        QTest::addRow("mostly answers") << Profile::MostlyAnswers;
        QTest::addRow("keyboard only") << Profile::KeyboardOnly;
    }

    void randomUse()
    {
        QFETCH(Profile, profile);
        const quint64 seed = envNumber("QUARVEL_RANDOM_SEED", defaultSeed);
        const quint64 actions = envNumber("QUARVEL_RANDOM_ACTIONS", 2000);
        qInfo("seed %llu (QUARVEL_RANDOM_SEED), %llu actions (QUARVEL_RANDOM_ACTIONS)", seed,
              actions);

        MainWindowFixture fixture;
        QVERIFY(fixture.ready());
        fixture.engine.seed(seed);
        RandomUser user(fixture, seed + quint64(profile), profile);

        std::deque<QString> recent;
        int finished = 0;
        int grabbed = 0;
        for (quint64 i = 0; i < actions; ++i) {
            QWidget* before = fixture.w().screens().front();
            const QString name = user.step();
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QString("seed %1, action #%2 (%3)").arg(seed).arg(i).arg(name)));
            recent.push_back(name);
            if (recent.size() > 12)
                recent.pop_front();
            if (before == fixture.w().Picture2 &&
                fixture.w().screens().front() == fixture.w().Picture3)
                ++finished;
            if (QWidget::mouseGrabber())
                ++grabbed;
            const QString problem = user.broken();
            if (!problem.isEmpty()) {
                QStringList trail(recent.begin(), recent.end());
                QFAIL(qPrintable(QString("seed %1, action #%2 (%3): %4\nlast actions: %5")
                                     .arg(seed)
                                     .arg(i)
                                     .arg(name, problem, trail.join(", "))));
            }
        }
        qInfo("%d results reached, %lld messages, %d review openings, %d actions ended with a "
              "pointer grab",
              finished, qlonglong(fixture.platform.messages.size()), fixture.platform.modalRuns,
              grabbed);
    }
};

QTEST_MAIN(TestRandomUse)
#include "tst_randomuse.moc"
