// Program entry: the application object, then the game.
#include "Startup.h"
#include "WindowSystem.h"

#include <QApplication>

#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    // Qt keeps reading the arguments for as long as the application lives.
    std::vector<std::string> arguments = barkmoor::ArgumentsForDesktop(argc, argv);
    std::vector<char *> pointers;
    for (std::string &argument : arguments)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    int count = static_cast<int>(arguments.size());
    QApplication application(count, pointers.data());
    barkmoor::SetUpApplication(application);
    return barkmoor::RunGame(application);
}
