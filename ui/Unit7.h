// The Dog Catcher window: caught on a move, the dog runs or fights, then reads its fate.
#pragma once

#include "GameDialog.h"

#include <QString>

#include <memory>
#include <string>

namespace Ui {
class TWarden;
}

namespace barkmoor {

class TWarden : public TGameDialog {
    Q_OBJECT

public:
    explicit TWarden(const PictureSource &pictures, QWidget *parent = nullptr);
    ~TWarden() override;

    // "OK": the encounter is over.
    void Button3Click();
    // Creation handler: the main window's pictures and the choosing state.
    void FormCreate();
    // "Run".
    void Button1Click();
    // Puts back the choosing state so every showing starts alike.
    void FormClose() override;
    // "Fight".
    void Button2Click();

private:
    void ShowOutcome(const std::string &text);
    void ShowChoices();

    std::unique_ptr<Ui::TWarden> ui;
    QString openingText;
};

} // namespace barkmoor
