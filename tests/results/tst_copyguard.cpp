// The copy guard of the report view: whatever is on the clipboard, put there by another
// program or copied from the view with the keyboard, is gone after the next pointer event
// over the view or the next change of its content. On X11 (the xcb run) the clipboard is
// the desktop's own, filled and read by xclip; elsewhere the in-process one stands in.
#include "RichTextView.h"
#include "modEnneagram.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QTextDocumentFragment>
#include <QtTest>

using namespace modEnneagram;

namespace {

enum class Source
{
    OtherProgram,
    KeyboardCopy
};
enum class Event
{
    Move,
    Press,
    Release,
    Drag,
    ContentChange
};

bool onX11()
{
    return QGuiApplication::platformName() == "xcb";
}

QString xclip()
{
    return QStandardPaths::findExecutable("xclip");
}

const char* selectionName(QClipboard::Mode mode)
{
    return mode == QClipboard::Selection ? "primary" : "clipboard";
}

// What another program pasting now would get. xclip asks this process for the text when it
// owns the clipboard, so the event loop keeps running while it waits.
QString pasted(QClipboard::Mode mode)
{
    if (!onX11())
        return QGuiApplication::clipboard()->text(mode);
    QProcess reader;
    reader.start(xclip(), {"-selection", selectionName(mode), "-o"});
    if (!QTest::qWaitFor([&] { return reader.state() == QProcess::NotRunning; }, 10000)) {
        reader.kill();
        reader.waitForFinished();
        return "(xclip -o did not finish)";
    }
    return reader.exitCode() == 0 ? QString::fromUtf8(reader.readAllStandardOutput()) : QString();
}

} // namespace

Q_DECLARE_METATYPE(Source)
Q_DECLARE_METATYPE(Event)
Q_DECLARE_METATYPE(QClipboard::Mode)

class TestCopyGuard : public QObject
{
    Q_OBJECT

    // The other program holding the clipboard, when there is one.
    QProcess owner_;

    // Puts text on the clipboard as another program would.
    void putElsewhere(const QString& text, QClipboard::Mode mode)
    {
        if (!onX11()) {
            QGuiApplication::clipboard()->setText(text, mode);
            return;
        }
        // -quiet keeps xclip in the foreground, serving the text until it loses the clipboard.
        owner_.start(xclip(), {"-quiet", "-selection", selectionName(mode), "-i"});
        QVERIFY(owner_.waitForStarted());
        owner_.write(text.toUtf8());
        owner_.closeWriteChannel();
        QVERIFY2(QTest::qWaitFor([&] { return pasted(mode) == text; }, 10000),
                 "xclip did not take the clipboard");
    }

private slots:
    void initTestCase()
    {
        LoadContent();
        if (onX11() && xclip().isEmpty())
            QSKIP("xclip (Debian package xclip) is needed to share the clipboard with another "
                  "program");
    }

    void cleanup()
    {
        if (owner_.state() != QProcess::NotRunning) {
            owner_.kill();
            owner_.waitForFinished();
        }
    }

    void guard_data()
    {
        QTest::addColumn<Source>("source");
        QTest::addColumn<QClipboard::Mode>("mode");
        QTest::addColumn<Event>("event");
        const auto clipboard = QClipboard::Clipboard;
        QTest::addRow("other program, pointer moves")
            << Source::OtherProgram << clipboard << Event::Move;
        QTest::addRow("other program, button pressed")
            << Source::OtherProgram << clipboard << Event::Press;
        QTest::addRow("other program, button released")
            << Source::OtherProgram << clipboard << Event::Release;
        QTest::addRow("other program, content changes")
            << Source::OtherProgram << clipboard << Event::ContentChange;
        QTest::addRow("other program's selection, pointer moves")
            << Source::OtherProgram << QClipboard::Selection << Event::Move;
        // Selecting by dragging makes X11 offer the selection at the release: not for long.
        QTest::addRow("other program's selection, drag")
            << Source::OtherProgram << QClipboard::Selection << Event::Drag;
        QTest::addRow("keyboard copy, pointer moves")
            << Source::KeyboardCopy << clipboard << Event::Move;
        QTest::addRow("keyboard copy, button pressed")
            << Source::KeyboardCopy << clipboard << Event::Press;
        QTest::addRow("keyboard copy, content changes")
            << Source::KeyboardCopy << clipboard << Event::ContentChange;
    }
    void guard()
    {
        QFETCH(Source, source);
        QFETCH(QClipboard::Mode, mode);
        QFETCH(Event, event);
        if (mode == QClipboard::Selection && !QGuiApplication::clipboard()->supportsSelection())
            QSKIP("this platform has no selection clipboard");

        testState.dominantName = typeNames[4];
        testState.leftWingName = typeNames[3];
        testState.rightWingName = typeNames[5];
        RichTextView view;
        RenderReport(view, ComposeReport(WingOutcome::Left));
        view.resize(480, 360);
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        view.setFocus();
        QWindow* window = view.windowHandle();
        const QPoint inside = view.viewport()->mapTo(&view, view.viewport()->rect().center());
        if (event == Event::Release)
            QTest::mousePress(window, Qt::LeftButton, {}, inside);

        QString text;
        if (source == Source::OtherProgram) {
            text = QStringLiteral("text from another program");
            putElsewhere(text, mode);
        } else {
            // Shift+Down from the start selects the first line; the copy outlasts keys.
            QTest::keyClick(window, Qt::Key_Home, Qt::ControlModifier);
            QTest::keyClick(window, Qt::Key_Down, Qt::ShiftModifier);
            text = view.textCursor().selection().toPlainText();
            QVERIFY(text.startsWith("Your personality type is"));
            QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
            QTest::keyClick(window, Qt::Key_Down);
            QTest::qWait(50);
        }
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(pasted(mode), text);

        switch (event) {
        case Event::Move:
            QTest::mouseMove(window, inside + QPoint(5, 5));
            break;
        case Event::Press:
            QTest::mousePress(window, Qt::LeftButton, {}, inside);
            break;
        case Event::Release:
            QTest::mouseRelease(window, Qt::LeftButton, {}, inside);
            break;
        case Event::Drag:
            QTest::mousePress(window, Qt::LeftButton, {}, inside);
            QTest::mouseMove(window, inside + QPoint(120, 40));
            QTest::mouseRelease(window, Qt::LeftButton, {}, inside + QPoint(120, 40));
            QVERIFY(view.textCursor().hasSelection());
            break;
        case Event::ContentChange:
            view.insertStyled("More", Qt::black, false);
            break;
        }
        QCOMPARE(pasted(mode), QString());
        if (source == Source::OtherProgram && onX11()) {
            QVERIFY2(QTest::qWaitFor([&] { return owner_.state() == QProcess::NotRunning; }),
                     "the other program still owns the clipboard");
        }
    }
};

QTEST_MAIN(TestCopyGuard)
#include "tst_copyguard.moc"
