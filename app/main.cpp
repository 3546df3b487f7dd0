// Program entry: set up, create the windows, run the event loop.
#include "QtPrompts.h"
#include "Startup.h"
#include "Unit1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    barkmoor::SetUpApplication(application);
    barkmoor::QtPrompter prompter;
    barkmoor::SetPrompter(&prompter);
    barkmoor::CreateWindows();
    barkmoor::SnorfleMain->show();
    const int result = application.exec();
    barkmoor::DestroyWindows();
    return result;
}
