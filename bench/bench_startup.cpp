// Start-up cost: from the application object to the main window on screen, with the real
// platform layer (sound devices, the bark). Run with QT_QPA_PLATFORM=offscreen or on a display.
#include "QtPlatform.h"
#include "QtPrompts.h"
#include "Startup.h"
#include "Unit1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <cstdio>

int main(int argc, char *argv[])
{
    QElapsedTimer total;
    total.start();
    QApplication application(argc, argv);
    const qint64 applicationMs = total.elapsed();

    barkmoor::SetUpApplication(application);
    barkmoor::QtPrompter prompter;
    barkmoor::SetPrompter(&prompter);
    barkmoor::QtPlatform desktop;
    barkmoor::SetPlatform(&desktop);
    QElapsedTimer step;
    step.start();
    barkmoor::CreateWindows();
    const qint64 windowsMs = step.elapsed();

    step.restart();
    barkmoor::SnorfleMain->show();
    while (!barkmoor::SnorfleMain->windowHandle() || !barkmoor::SnorfleMain->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    const qint64 showMs = step.elapsed();

    std::printf("application object: %lld ms\n", static_cast<long long>(applicationMs));
    std::printf("seven windows created, first game started: %lld ms\n", static_cast<long long>(windowsMs));
    std::printf("main window shown: %lld ms\n", static_cast<long long>(showMs));
    std::printf("total to a playable window: %lld ms\n", static_cast<long long>(total.elapsed()));

    // The status display's refresh, as every trade and turn runs it.
    constexpr int updates = 2000;
    step.restart();
    for (int i = 0; i < updates; ++i)
        barkmoor::SnorfleMain->UpdateGame();
    std::printf("UpdateGame: %.1f us per call (target under 1 ms)\n", double(step.nsecsElapsed()) / updates / 1000.0);
    barkmoor::DestroyWindows();
    barkmoor::SetPlatform(nullptr);
    return 0;
}
