// Menus, web pages and the ways out of the program.
#include "ClickableLabel.h"
#include "MainWindowFixture.h"
#include "PictureButton.h"
#include "ScreenStack.h"
#include "modRegistry.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

namespace {

QStringList visibleEntries(const QList<QAction*>& actions)
{
    QStringList texts;
    for (QAction* action : actions) {
        if (action->isVisible())
            texts << (action->isSeparator() ? QString("-") : action->text());
    }
    return texts;
}

const QString site = siteAddress();

} // namespace

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QStringList urls;
public slots:
    void open(const QUrl& url) { urls << url.toString(); }
};

class TestMenus : public QObject
{
    Q_OBJECT

private slots:
    void menuBar()
    {
        MainWindowFixture f;
        QMenuBar* bar = f.w().menuBar();
        QCOMPARE(visibleEntries(bar->actions()), QStringList({"&File", "&Help"}));
        auto* file = f.w().findChild<QMenu*>("mnuFile");
        auto* help = f.w().findChild<QMenu*>("mnuHelp");
        QCOMPARE(visibleEntries(file->actions()), QStringList({"&Exit"}));
        QCOMPARE(visibleEntries(help->actions()),
                 QStringList({"&Online Help", "&Visit Us Online", "&About Software"}));
        for (const char* hidden : {"mnuHelpSep1", "mnuUpdate", "mnuHelpSep2", "mnuDonate"}) {
            auto* action = f.w().findChild<QAction*>(hidden);
            QVERIFY2(action && !action->isVisible(), hidden);
        }
        QCOMPARE(f.w().findChild<QAction*>("mnuUpdate")->text(),
                 QString("Check for Software &Update"));
        for (QAction* action : file->actions() + help->actions()) {
            QVERIFY(!action->isVisible() || action->isEnabled());
            QVERIFY(action->shortcut().isEmpty());
            QVERIFY(!action->isCheckable());
        }
        QCOMPARE(f.w().lblHyperlink->toolTip(), "Click To Go To " + site);
    }

    void webPages_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("address");
        QTest::addRow("Help > Online Help") << "mnuOnline" << site + "/enneagram-help/";
        QTest::addRow("toolbar Help") << "picHelp" << site + "/enneagram-help/";
        QTest::addRow("Help > Visit Us Online") << "mnuVisit" << site;
        QTest::addRow("link area") << "lblHyperlink" << site;
        QTest::addRow("hidden update entry") << "mnuUpdate" << site + "/try-it-quarvel.html";
    }
    void webPages()
    {
        QFETCH(QString, source);
        QFETCH(QString, address);
        MainWindowFixture f;
        QVERIFY(f.ready());
        frmMain& w = f.w();
        // A test in progress, with an answer chosen and not yet accepted.
        w.chkIsNext->setChecked(false);
        f.click(w.picStart);
        f.key(Qt::Key_N);
        f.click(w.picNext);
        f.key(Qt::Key_M);
        const auto state = modEnneagram::testState.givenAnswers;

        if (auto* action = w.findChild<QAction*>(source))
            action->trigger();
        else
            f.click(w.findChild<QWidget*>(source));

        QCOMPARE(f.platform.urls, QStringList{address});
        QCOMPARE(w.screens().front(), w.Picture2);
        QCOMPARE(modEnneagram::testState.currentPosition, std::int16_t(1));
        QVERIFY(w.optAnswer[2]->isChecked());
        QCOMPARE(modEnneagram::testState.givenAnswers, state);
        QVERIFY(f.platform.messages.isEmpty());
    }

    void ways_out_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("questions");
        QTest::addRow("File > Exit") << "mnuExit" << true << 0;
        QTest::addRow("toolbar Exit, Yes") << "picExit Yes" << true << 1;
        QTest::addRow("toolbar Exit, No") << "picExit No" << false << 1;
        QTest::addRow("close box") << "close" << true << 0;
    }
    void ways_out()
    {
        QFETCH(QString, how);
        QFETCH(bool, closes);
        QFETCH(int, questions);
        MainWindowFixture f;
        QVERIFY(f.ready());
        frmMain& w = f.w();
        f.click(w.picStart);
        f.key(Qt::Key_Y);
        if (how == "mnuExit") {
            w.findChild<QAction*>("mnuExit")->trigger();
        } else if (how == "close") {
            w.close();
        } else {
            f.platform.answers << (how.endsWith("Yes") ? QMessageBox::Yes : QMessageBox::No);
            f.click(w.picExit);
        }
        QCOMPARE(f.platform.messages.size(), questions);
        if (questions) {
            QCOMPARE(f.platform.messages[0].text,
                     QString("Are You Sure You Want to Exit Quarvel?"));
            QCOMPARE(f.platform.messages[0].icon, QMessageBox::Warning);
            QCOMPARE(f.platform.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
        }
        QCOMPARE(w.isVisible(), !closes);
        QCOMPARE(f.platform.quits, closes ? 1 : 0);
        QCOMPARE(f.platform.urls,
                 closes ? QStringList{site + "/thankyou-for-using-quarvel.php"} : QStringList{});
        if (!closes) {
            QCOMPARE(w.screens().front(), w.Picture2);
            QCOMPARE(modEnneagram::testState.currentPosition, std::int16_t(1));
        }
    }

    void theHiddenReviewWindowEndsWithTheMainWindow()
    {
        MainWindowFixture f;
        QVERIFY(f.ready());
        frmMain& w = f.w();
        f.click(w.picStart);
        for (int p = 0; p < 54; ++p)
            f.key(Qt::Key_M);
        QVERIFY(w.review());
        QVERIFY(!w.review()->isVisible());
        w.close();
        w.close();
        QCOMPARE(f.platform.urls.size(), 1);
        QCOMPARE(f.platform.quits, 1);
        QVERIFY(!w.review() || !w.review()->isVisible());
        QVERIFY(QApplication::topLevelWidgets().size() > 0);
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
    }

    void theRealDesktopGetsTheAddress()
    {
        // No stand-in here: the address goes through QDesktopServices, caught by a handler.
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        QDesktopServices::setUrlHandler("http", &catcher, "open");
        OpenWebPage(pageAddress(WebPage::Help));
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("http");
        QCOMPARE(catcher.urls, QStringList{site + "/enneagram-help/"});
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
