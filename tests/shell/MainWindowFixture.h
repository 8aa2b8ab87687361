// Builds the real main window for a test, shown and active, with the desktop stood in for
// and the random order made repeatable.
#pragma once

#include "PicturePanel.h"
#include "TestPlatform.h"
#include "frmMain.h"
#include "modEnneagram.h"
#include "modRandomize.h"

#include <QApplication>
#include <QtTest>
#include <memory>
#include <random>

struct MainWindowFixture
{
    TestPlatform platform;
    std::unique_ptr<frmMain> window;
    std::mt19937_64 engine{42};

    MainWindowFixture()
    {
        modEnneagram::testState = modEnneagram::TestState();
        modRandomize::setUniformSource(
            [this] { return static_cast<double>(engine() >> 11) * 0x1.0p-53; });
        window = std::make_unique<frmMain>();
        window->show();
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
    }
    ~MainWindowFixture() { modRandomize::setUniformSource({}); }

    bool ready() { return QTest::qWaitForWindowActive(window.get()); }

    frmMain& w() { return *window; }

    void altKey(Qt::Key key) { QTest::keyClick(window.get(), key, Qt::AltModifier); }
    void key(Qt::Key key) { QTest::keyClick(window.get(), key); }
    void click(QWidget* widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QRect(QPoint(), widget->size()).center());
    }
};
