// The program's own start and end, as main runs them: the real prompts and platform, the
// windows, the event loop, then File > Exit. A crash or a leftover at exit fails it.
#include "Startup.h"
#include "Unit1.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    barkmoor::SetUpApplication(application);
    bool exited = false;
    // Left running a moment, as a player would, so the bark has loaded and played.
    QTimer::singleShot(300, [&exited] {
        exited = barkmoor::SnorfleMain && barkmoor::SnorfleMain->isVisible();
        barkmoor::SnorfleMain->findChild<QAction *>(QStringLiteral("Exit2"))->trigger();
    });
    const int result = barkmoor::RunGame(application, QStringLiteral(BARKMOOR_BUILD_DIR));
    std::printf("event loop returned %d after File > Exit: %s\n", result, exited ? "yes" : "no");
    return result == 0 && exited ? 0 : 1;
}
