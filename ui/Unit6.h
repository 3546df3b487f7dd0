// The game-over window: final score, verdict and the high-score table; exit or play again.
#pragma once

#include "GameDialog.h"

#include <memory>
#include <string>

namespace Ui {
class TGameOverBox;
}

namespace barkmoor {

class TGameOverBox : public TGameDialog {
    Q_OBJECT

public:
    // Stands over the main window, which it hides while it shows, and shows its pictures.
    TGameOverBox(QWidget &mainWindow, const PictureSource &pictures);
    ~TGameOverBox() override;

    // Runs on every showing, before the window appears: hides the main window, ranks the
    // score (the name prompt being the only window on screen) and fills every label.
    void FormShow() override;
    // Ranks the final score into the table and asks the player's name for a place.
    void TopSnorfleWinner();

private:
    void exitgamebttnClick();
    void newgamebttnClick();

    std::unique_ptr<Ui::TGameOverBox> ui;
    QWidget &mainWindow;
};

// The first count characters of a UTF-8 text as the player sees them: a letter with its
// accents, a flag or an emoji joined from several is one character and is never split.
std::string FirstVisibleCharacters(const std::string &text, std::size_t count);

} // namespace barkmoor
