// Start-up's parts, each timed where it is first paid, with the resident memory it adds:
// the application object, the resources and window icon, the game font, the sound module
// with the audio-device query and the bark (Qt Multimedia, the sound server), the seven
// windows with the first game, and showing the main window; then the cost of one
// UpdateGame. The game itself does the sound work and the dialogs after the first frame;
// here every part is paid in one row to see what it costs. Run on a display or with
// QT_QPA_PLATFORM=offscreen; bench/compare_startup.py gives start-up as a player sees it.
#include "QtPlatform.h"
#include "QtPrompts.h"
#include "Startup.h"
#include "Unit1.h"
#include "WindowStyle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace {

long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// CPU time of the whole process: on a busy machine it varies less than the clock on the wall.
double CpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

class Steps {
public:
    Steps()
    {
        clock.start();
        std::printf("%-40s %9s %9s %9s\n", "step", "wall ms", "CPU ms", "RSS MiB");
    }
    void Mark(const char *what)
    {
        const qint64 now = clock.nsecsElapsed();
        const double cpu = CpuMs();
        const long rss = ResidentKiB();
        std::printf("%-40s %9.2f %9.2f %+9.1f\n", what, double(now - last) / 1e6, cpu - lastCpu,
            double(rss - lastRss) / 1024.0);
        last = now;
        lastCpu = cpu;
        lastRss = rss;
    }
    double TotalMs() const { return double(clock.nsecsElapsed()) / 1e6; }

private:
    QElapsedTimer clock;
    qint64 last = 0;
    double lastCpu = CpuMs();
    long lastRss = ResidentKiB();
};

} // namespace

int main(int argc, char *argv[])
{
    std::printf("at main: %.1f ms CPU, %.1f MiB resident\n", CpuMs(), double(ResidentKiB()) / 1024.0);
    Steps steps;
    QApplication application(argc, argv);
    steps.Mark("application object");
    barkmoor::SetUpApplication(application);
    steps.Mark("resources, name and window icon");
    barkmoor::GameFont();
    steps.Mark("game font");
    barkmoor::QtPrompter prompter;
    barkmoor::SetPrompter(&prompter);
    barkmoor::QtPlatform desktop(QStringLiteral(BARKMOOR_BUILD_DIR));
    barkmoor::SetPlatform(&desktop);
    const int outputs = desktop.AudioOutputCount();
    steps.Mark("sound module, audio-device query");
    desktop.PlayBark();
    steps.Mark("bark loaded and started");
    barkmoor::CreateWindows();
    steps.Mark("seven windows and the first game");
    barkmoor::SnorfleMain->show();
    while (!barkmoor::SnorfleMain->windowHandle() || !barkmoor::SnorfleMain->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::processEvents();
    steps.Mark("main window shown and exposed");
    std::printf("total to a playable window: %.1f ms (%d audio outputs)\n", steps.TotalMs(), outputs);
    std::printf("resident with the window up: %.1f MiB\n", double(ResidentKiB()) / 1024.0);

    // The status display's refresh, as every trade and turn runs it.
    constexpr int updates = 2000;
    QElapsedTimer update;
    update.start();
    for (int i = 0; i < updates; ++i)
        barkmoor::SnorfleMain->UpdateGame();
    std::printf("UpdateGame: %.1f us per call (target under 1 ms)\n", double(update.nsecsElapsed()) / updates / 1000.0);
    barkmoor::DestroyWindows();
    barkmoor::SetPlatform(nullptr);
    return 0;
}
