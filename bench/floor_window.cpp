// The floor for start-up figures: a bare Qt Widgets window of the main window's size with
// a menu bar of the same three menus, nothing else. Whatever the game costs above this is
// its own doing. On Windows it plays the game's bark from its own resources as the game does,
// so that both load the system's sound stack.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#ifdef _WIN32
#include <QTimer>

#include <windows.h>

#include <mmsystem.h>
#endif

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
#ifdef _WIN32
    // The game's own call, once the window is up.
    QTimer::singleShot(0, [] { PlaySoundW(L"SnorfleBark", GetModuleHandleW(nullptr), SND_RESOURCE | SND_ASYNC); });
#endif
    return application.exec();
}
