// The floor for the start-up figures: about the smallest Qt Widgets program with a window
// like Quarvel's, a main window with a menu bar and a label, built with the same Qt.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Floor");
    window.menuBar()->addMenu("&File")->addAction("&Exit", &window, &QWidget::close);
    window.setCentralWidget(new QLabel("A minimal Qt Widgets window"));
    window.resize(625, 308);
    window.show();
    return app.exec();
}
