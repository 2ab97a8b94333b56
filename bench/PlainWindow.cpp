// The yardstick of the client's start-up: a plain Qt main window with a menu bar, a table of
// 101 rows and a status bar, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Plain window");
    QMenu* menu = window.menuBar()->addMenu("Menu");
    menu->addAction("Refresh");
    menu->addAction("Exit", &app, &QApplication::quit);
    window.menuBar()->addMenu("Help")->addAction("About");
    window.setCentralWidget(new QTableWidget(101, 1, &window));
    window.statusBar()->showMessage("Ready");
    window.resize(778, 455);
    window.show();
    return app.exec();
}
