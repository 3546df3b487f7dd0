// The program's own start and end, as main runs them: the real prompts and platform, the
// windows, the event loop, then File > Exit. A crash or a leftover at exit fails it.
#include "Startup.h"
#include "Unit1.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    barkmoor::SetUpApplication(application);
    bool exited = false;
    // Left running until the first frame is out, and with it the work held for it (the bark
    // among it), as a player would; a window never drawn in 30 seconds fails.
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWindow *window = barkmoor::SnorfleMain ? barkmoor::SnorfleMain->windowHandle() : nullptr;
        const bool drawn = window && window->isExposed();
        if (!drawn && waited.elapsed() < 30'000)
            return;
        poll.stop();
        exited = drawn && barkmoor::SnorfleMain->isVisible();
        if (barkmoor::SnorfleMain)
            barkmoor::SnorfleMain->findChild<QAction *>(QStringLiteral("Exit2"))->trigger();
        else
            QCoreApplication::exit(1);
    });
    poll.start(10);
    const int result = barkmoor::RunGame(application, QStringLiteral(BARKMOOR_BUILD_DIR));
    std::printf("event loop returned %d after File > Exit: %s\n", result, exited ? "yes" : "no");
    return result == 0 && exited ? 0 : 1;
}
