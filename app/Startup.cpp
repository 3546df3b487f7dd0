// Window creation order matters: the dialogs copy their pictures from the main window.
#include "Startup.h"

#include "Unit1.h"
#include "Unit7.h"

#include <QApplication>
#include <QIcon>

namespace barkmoor {

void SetUpApplication(QApplication &application)
{
    // Only the name: a display name would be appended to every window caption.
    application.setApplicationName(QStringLiteral("Barkmoor"));
    application.setApplicationVersion(QStringLiteral("1.00b"));
    application.setWindowIcon(QIcon(QStringLiteral(":/icon.bmp")));
}

void CreateWindows()
{
    SnorfleMain = new TSnorfleMain;
    SnorfleMain->FormCreate();
    // The Dog Catcher comes after the game-over window in the creation order.
    Warden = new TWarden;
    Warden->FormCreate();
}

void DestroyWindows()
{
    delete Warden;
    Warden = nullptr;
    delete SnorfleMain;
    SnorfleMain = nullptr;
}

} // namespace barkmoor
