// What Top Dog's Den and the bank share: one balance beside the cash in paw, an amount box,
// and buttons that each run a money rule and refresh the figures when the rule says so.
#pragma once

#include "GameDialog.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <string>
#include <utility>

class QLabel;
class QLineEdit;
class QPushButton;

namespace barkmoor {

enum class Refresh;
struct GameState;

class TMoneyDialog : public TGameDialog {
    Q_OBJECT

public:
    // Creation handler: the pictures, once.
    void FormCreate();
    // Fresh figures, and the focus on "Leave".
    void FormShow() override;
    // Balance and cash onto the display; the amount box back to "0".
    void GetInfo();

protected:
    struct Controls {
        QLabel *dog;
        QLabel *title;
        QLabel *balance;
        QLabel *cash;
        QLineEdit *amount;
        QPushButton *leave;
    };

    // balance is the GameState figure the window shows beside the cash.
    TMoneyDialog(
        const char *formName, std::int32_t GameState::*balance, const PictureSource &pictures, QWidget *parent);
    // Takes the window's controls once its form is set up; "Leave" closes the window.
    void UseControls(const Controls &controls);
    // What each button does. A reader hears it with the button, followed by the figures with
    // their captions, which it would otherwise skip as labels of another control.
    void DescribeButtons(std::initializer_list<std::pair<QWidget *, QString>> purposes);

    // The amount box as typed, for the rules to read.
    std::string AmountText() const;
    void After(Refresh refresh);
    void cancelbttnClick();

private:
    std::int32_t GameState::*balance;
    Controls controls {};
    QList<std::pair<QWidget *, QString>> described;
};

} // namespace barkmoor
