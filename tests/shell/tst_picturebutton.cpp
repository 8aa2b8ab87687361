// The hover look of the picture buttons: the inside/outside decision, and its wiring to the
// pointer grab with real mouse events.
#include "MainWindowFixture.h"
#include "PictureButton.h"
#include "ScreenStack.h"

#include <QCheckBox>
#include <QFrame>
#include <QMouseEvent>

Q_DECLARE_METATYPE(HoverStep)

namespace {

void moveTo(QWidget* widget, QPointF local)
{
    // Moves with no button held, as the window system reports them to the grabber.
    QMouseEvent event(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class TestPictureButton : public QObject
{
    Q_OBJECT

private slots:
    void decision_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("holdsGrab");
        QTest::addColumn<HoverStep>("step");
        // A 41 x 35 button.
        QTest::addRow("inside, not grabbed")
            << 20.0 << 17.0 << false << HoverStep::GrabAndShowHover;
        QTest::addRow("inside, grabbed") << 20.0 << 17.0 << true << HoverStep::Nothing;
        QTest::addRow("left edge is inside") << 0.0 << 17.0 << false << HoverStep::GrabAndShowHover;
        QTest::addRow("top edge is inside") << 20.0 << 0.0 << false << HoverStep::GrabAndShowHover;
        QTest::addRow("x = width is inside") << 41.0 << 17.0 << true << HoverStep::Nothing;
        QTest::addRow("y = height is inside") << 20.0 << 35.0 << true << HoverStep::Nothing;
        QTest::addRow("negative x") << -0.5 << 17.0 << true << HoverStep::ReleaseAndShowNormal;
        QTest::addRow("negative y") << 20.0 << -1.0 << true << HoverStep::ReleaseAndShowNormal;
        QTest::addRow("beyond width") << 41.5 << 17.0 << true << HoverStep::ReleaseAndShowNormal;
        QTest::addRow("beyond height") << 20.0 << 36.0 << false << HoverStep::ReleaseAndShowNormal;
    }
    void decision()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(bool, holdsGrab);
        QFETCH(HoverStep, step);
        QCOMPARE(hoverStep(x, y, 41, 35, holdsGrab), step);
    }

    void grabFollowsThePointer()
    {
        MainWindowFixture f;
        QVERIFY(f.ready());
        PictureButton* start = f.w().picStart;
        QCOMPARE(start->shownPosition(), 0); // the initial picture
        QCOMPARE(start->size(), QSize(147, 30));

        moveTo(start, QPointF(10, 10));
        QVERIFY(start->holdsGrab());
        QCOMPARE(start->shownPosition(), 2);
        QCOMPARE(start->size(), QSize(143, 31));
        // Further moves inside change nothing.
        for (int x = 11; x < 100; x += 7)
            moveTo(start, QPointF(x, 12));
        QCOMPARE(start->shownPosition(), 2);
        // The first move outside is still reported to the grabber, which lets go.
        moveTo(start, QPointF(-3, 12));
        QVERIFY(!start->holdsGrab());
        QVERIFY(!QWidget::mouseGrabber());
        QCOMPARE(start->shownPosition(), 1);
    }

    void straightOntoTheNeighbour()
    {
        MainWindowFixture f;
        QVERIFY(f.ready());
        PictureButton* help = f.w().picHelp;
        PictureButton* exit = f.w().picExit;
        moveTo(help, QPointF(25, 25));
        QVERIFY(help->holdsGrab());
        // The pointer goes onto Exit: Help still holds the grab and hears it first.
        const QPointF onExit = help->mapFromGlobal(exit->mapToGlobal(QPointF(5, 25)));
        moveTo(help, onExit);
        QCOMPARE(help->shownPosition(), 9);
        QVERIFY(!QWidget::mouseGrabber());
        moveTo(exit, QPointF(5, 25));
        QVERIFY(exit->holdsGrab());
        QCOMPARE(exit->shownPosition(), 8);
        moveTo(exit, QPointF(80, 25));
        QCOMPARE(exit->shownPosition(), 7);
    }

    void noGrabLeftOnAHiddenButton()
    {
        MainWindowFixture f;
        QVERIFY(f.ready());
        PictureButton* start = f.w().picStart;
        moveTo(start, QPointF(10, 10));
        QVERIFY(start->holdsGrab());
        // The click changes the screen; the button goes behind still showing its hover look.
        f.click(start);
        QCOMPARE(f.w().screens().front(), f.w().Picture2);
        QVERIFY(!QWidget::mouseGrabber());
        QCOMPARE(start->shownPosition(), 2);

        // A modal message from a button releases the grab too.
        f.w().chkIsNext->setChecked(false);
        PictureButton* next = f.w().picNext;
        moveTo(next, QPointF(5, 5));
        QVERIFY(next->holdsGrab());
        f.click(next);
        QCOMPARE(f.platform.messages.size(), 1);
        QVERIFY(!QWidget::mouseGrabber());
    }

    void keyboardActivation()
    {
        MainWindowFixture f;
        QVERIFY(f.ready());
        f.w().picStart->setFocus();
        QTest::keyClick(f.w().picStart, Qt::Key_Space);
        QCOMPARE(f.w().screens().front(), f.w().Picture2);
    }
};

QTEST_MAIN(TestPictureButton)
#include "tst_picturebutton.moc"
