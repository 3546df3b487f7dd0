// Window creation order matters: the dialogs copy their pictures from the main window.
#include "Startup.h"

#include "Unit1.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"

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
    TopDogBox = new TTopDogBox;
    TopDogBox->FormCreate();
    SavingBankBox = new TSavingBankBox;
    SavingBankBox->FormCreate();
    GameOverBox = new TGameOverBox;
}

void DestroyWindows()
{
    delete GameOverBox;
    GameOverBox = nullptr;
    delete SavingBankBox;
    SavingBankBox = nullptr;
    delete TopDogBox;
    TopDogBox = nullptr;
    delete SnorfleMain;
    SnorfleMain = nullptr;
}

} // namespace barkmoor
