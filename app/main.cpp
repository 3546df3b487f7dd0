// Program entry: the application object, then the game.
#include "Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    barkmoor::SetUpApplication(application);
    return barkmoor::RunGame(application);
}
