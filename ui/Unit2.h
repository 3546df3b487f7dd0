// The travel window: the player picks where the dog trots to next.
#pragma once

#include "GameDialog.h"

#include <memory>

namespace Ui {
class Ttravel;
}

namespace barkmoor {

class TWarden;

class Ttravel : public TGameDialog {
    Q_OBJECT

public:
    // warden comes up when the Dog Catcher meets the dog on a move.
    Ttravel(const PictureSource &pictures, TWarden &warden, QWidget *parent = nullptr);
    ~Ttravel() override;

    void FormCreate();
    // The whole move or stay for the picked row; the window closes when it has finished.
    void placeboxClick();

private:
    std::unique_ptr<Ui::Ttravel> ui;
    TWarden &warden;
};

} // namespace barkmoor
