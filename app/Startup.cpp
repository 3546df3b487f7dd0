// Window creation order matters: the dialogs copy their pictures from the main window.
#include "Startup.h"

#include "GameIcon.h"
#include "QtPlatform.h"
#include "QtPrompts.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"

#include <QApplication>
#include <QIcon>

// Registers the game's embedded pictures, bark and icon (must stand outside a namespace).
static void LoadGameResources()
{
    Q_INIT_RESOURCE(barkmoor);
}

namespace barkmoor {
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
    application.setApplicationVersion(QStringLiteral("1.00b"));
    // Ties the windows to the installed menu entry (its icon on a Wayland task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.barkmoor"));
    application.setWindowIcon(GameIcon()); // drawn at each size, so crisp at 2x too
    // Only closing the main window ends the game; a prompt closing while the main window
    // is hidden (the high-score name) must not look like the last window going.
    application.setQuitOnLastWindowClosed(false);
}

void CreateWindows()
{
    SnorfleMain = new TSnorfleMain;
    SnorfleMain->FormCreate();
    travel = new Ttravel;
    travel->FormCreate();
    TopDogBox = new TTopDogBox;
    TopDogBox->FormCreate();
    SavingBankBox = new TSavingBankBox;
    SavingBankBox->FormCreate();
    GameOverBox = new TGameOverBox; // takes its pictures each time it shows
    Warden = new TWarden;
    Warden->FormCreate();
    aboutbox = new Taboutbox;
    aboutbox->FormCreate();
}

void DestroyWindows()
{
    // Dialogs first: they are children of the main window and their pointers must not dangle.
    Destroy(aboutbox);
    Destroy(Warden);
    Destroy(GameOverBox);
    Destroy(SavingBankBox);
    Destroy(TopDogBox);
    Destroy(travel);
    Destroy(SnorfleMain);
}

int RunGame(QApplication &application)
{
    QtPrompter prompter;
    SetPrompter(&prompter);
    QtPlatform desktop;
    SetPlatform(&desktop);
    CreateWindows();
    SnorfleMain->show();
    const int result = application.exec();
    DestroyWindows();
    SetPlatform(nullptr);
    SetPrompter(nullptr);
    return result;
}

} // namespace barkmoor
