// The floor for start-up figures: a bare Qt Widgets window of the main window's size with
// a menu bar of the same three menus, nothing else. Whatever the game costs above this is
// its own doing.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.menuBar()->addMenu(QStringLiteral("File"));
    window.menuBar()->addMenu(QStringLiteral("Options"));
    window.menuBar()->addMenu(QStringLiteral("Help"));
    // The game's client area, with the menu bar on top of it.
    window.setFixedSize(364, 339 + window.menuBar()->sizeHint().height());
    window.show();
    return application.exec();
}
