// The travel window: the player picks where the dog trots to next.
#pragma once

#include "GameDialog.h"

#include <memory>

namespace Ui {
class Ttravel;
}

namespace barkmoor {

class Ttravel : public TGameDialog {
    Q_OBJECT

public:
    explicit Ttravel(QWidget *parent = nullptr);
    ~Ttravel() override;

    void FormCreate();
    // The whole move or stay for the picked row; the window closes when it has finished.
    void placeboxClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::Ttravel> ui;
};

extern Ttravel *travel;

} // namespace barkmoor
