// Window creation order matters: the dialogs copy their pictures from the main window.
#include "Startup.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit7.h"

#include <QApplication>
#include <QIcon>

namespace barkmoor {
namespace {

template<class Window>
void Destroy(Window *&window)
{
    delete window;
    window = nullptr;
}

} // namespace

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
    travel = new Ttravel;
    travel->FormCreate();
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
    Destroy(travel);
    Destroy(SnorfleMain);
}

} // namespace barkmoor
