// The seven windows' references, and their making: the main window first, since every dialog
// is made from it; the dialogs after its first frame or on a handler's first need.
#include "Startup.h"

#include "GameIcon.h"
#include "QtPrompts.h"
#include "ScreenReader.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QWindow>

#include <functional>

#ifdef _WIN32
#include "WindowsPlatform.h"
#else
#include "QtPlatform.h"
#endif

// Registers the game's embedded pictures, bark and icon (must stand outside a namespace).
// Windows carries the bark as a resource of the program itself.
static void LoadGameResources()
{
    Q_INIT_RESOURCE(barkmoor);
#ifndef _WIN32
    Q_INIT_RESOURCE(bark);
#endif
}

namespace barkmoor {

TSnorfleMain *SnorfleMain = nullptr;
Ttravel *travel = nullptr;
TTopDogBox *TopDogBox = nullptr;
TSavingBankBox *SavingBankBox = nullptr;
TGameOverBox *GameOverBox = nullptr;
TWarden *Warden = nullptr;
Taboutbox *aboutbox = nullptr;

namespace {

template<class Window> void Destroy(Window *&window)
{
    delete window;
    window = nullptr;
}

} // namespace

void SetUpApplication(QApplication &application)
{
    LoadGameResources();
    // Only the name: a display name would be appended to every window caption.
    application.setApplicationName(QStringLiteral("Barkmoor"));
    application.setApplicationVersion(QStringLiteral(BARKMOOR_VERSION));
    // Ties the windows to the installed menu entry (its icon on a Wayland task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.barkmoor"));
    application.setWindowIcon(GameIcon()); // drawn at each size, so crisp at 2x too
    // Only closing the main window ends the game; a prompt closing while the main window
    // is hidden (the high-score name) must not look like the last window going.
    application.setQuitOnLastWindowClosed(false);
    // Qt 6.4 on Wayland asks the compositor to activate the focus window whenever the focus
    // moves within it, also while a window just shown is taking the keyboard, and the
    // compositor then flags the game as wanting attention. The game activates its windows
    // itself where the keyboard must go.
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        QObject::disconnect(&application, &QGuiApplication::focusObjectChanged, &application, nullptr);
    InstallScreenReaderSupport();
}

namespace {

// Stands in for the desktop while the windows are made: help and the web pass straight
// through, the sound work is only noted. Until the real count is known an output is
// assumed, so on most machines the Sound command never changes.
class HeldSound final : public Platform {
public:
    explicit HeldSound(Platform &desktop)
        : desktop(desktop)
    {
    }
    int AudioOutputCount() override { return 1; }
    void PlayBark() override { barkRequested = true; }
    void OpenHelp(const QString &helpFile) override { desktop.OpenHelp(helpFile); }
    void OpenWebSite(const QString &address) override { desktop.OpenWebSite(address); }
    void FrameGameWindow(QWidget &window) override { desktop.FrameGameWindow(window); }

    bool barkRequested = false;

private:
    Platform &desktop;
};

// Watches the window's first expose: lets the window paint and flush that first frame, then
// runs the step at once, before any other event (input included) is handled. Made before
// the window is shown, so that an expose delivered from within show() is not missed.
class AfterFirstFrame final : public QObject {
public:
    AfterFirstFrame(QWidget *window, std::function<void()> step)
        : QObject(window)
        , step(std::move(step))
    {
        window->winId(); // creates the native window now; show() would otherwise
        this->window = window->windowHandle();
        this->window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != window || event->type() != QEvent::Expose)
            return false;
        window->removeEventFilter(this);
        QCoreApplication::sendEvent(window, event);
        if (!window->isExposed()) {
            window->installEventFilter(this);
            return true;
        }
        step();
        deleteLater();
        return true;
    }

private:
    QWindow *window = nullptr;
    std::function<void()> step;
};

// Makes the six dialogs, once, over the main window. Travel brings up the Dog Catcher, so
// that one comes first.
void CreateDialogs()
{
    if (travel)
        return;
    TSnorfleMain &main = *SnorfleMain;
    Warden = new TWarden(main, &main);
    Warden->FormCreate();
    travel = new Ttravel(main, *Warden, &main);
    travel->FormCreate();
    TopDogBox = new TTopDogBox(main, &main);
    TopDogBox->FormCreate();
    SavingBankBox = new TSavingBankBox(main, &main);
    SavingBankBox->FormCreate();
    GameOverBox = new TGameOverBox(main, main); // takes its pictures each time it shows
    aboutbox = new Taboutbox(main, &main);
    aboutbox->FormCreate();
}

// What the main window shows, made on the first request if the first frame has not come yet.
class DialogsOnRequest final : public MainDialogs {
public:
    Ttravel &Travel() override { return Ready(travel); }
    TTopDogBox &TopDog() override { return Ready(TopDogBox); }
    TSavingBankBox &Bank() override { return Ready(SavingBankBox); }
    TGameOverBox &GameOver() override { return Ready(GameOverBox); }
    Taboutbox &About() override { return Ready(aboutbox); }

private:
    template<class Window> static Window &Ready(Window *&window)
    {
        CreateDialogs();
        return *window;
    }
};

DialogsOnRequest dialogsOnRequest;

void CreateMainWindow()
{
    SnorfleMain = new TSnorfleMain(dialogsOnRequest);
    SnorfleMain->FormCreate();
}

} // namespace

void CreateWindows()
{
    CreateMainWindow();
    CreateDialogs();
}

void DestroyWindows()
{
    // Dialogs first: they are children of the main window and their pointers must not dangle.
    Destroy(aboutbox);
    Destroy(GameOverBox);
    Destroy(SavingBankBox);
    Destroy(TopDogBox);
    Destroy(travel);
    Destroy(Warden);
    Destroy(SnorfleMain);
}

void StartGame(Platform &desktop)
{
    HeldSound held(desktop);
    SetPlatform(&held);
    CreateMainWindow();
    SetPlatform(&desktop);
    // Done before any other event is handled, so no open menu shows the Sound command before
    // its state is known. Input that comes before the frame makes the dialogs itself.
    new AfterFirstFrame(SnorfleMain, [&desktop, bark = held.barkRequested] {
        CreateDialogs();
        SnorfleMain->ShowAudioOutputs(desktop.AudioOutputCount());
        if (bark)
            desktop.PlayBark();
    });
    SnorfleMain->show();
}

int RunGame(QApplication &application)
{
    return RunGame(application, QCoreApplication::applicationDirPath());
}

int RunGame(QApplication &application, const QString &soundModuleFolder)
{
    QtPrompter prompter;
    SetPrompter(&prompter);
#ifdef _WIN32
    Q_UNUSED(soundModuleFolder) // the system plays the bark; there is no module to look for
    WindowsPlatform desktop;
#else
    QtPlatform desktop(soundModuleFolder);
#endif
    StartGame(desktop);
    const int result = application.exec();
    DestroyWindows();
    SetPlatform(nullptr);
    SetPrompter(nullptr);
    return result;
}

} // namespace barkmoor
