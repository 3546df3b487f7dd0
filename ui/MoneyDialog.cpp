// The shared half of Top Dog's Den and the bank.
#include "MoneyDialog.h"

#include "Finance.h"
#include "GameCore.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace barkmoor {

TMoneyDialog::TMoneyDialog(
    const char *formName, std::int32_t GameState::*balance, const PictureSource &pictures, QWidget *parent)
    : TGameDialog(formName, pictures, parent)
    , balance(balance)
{
}

void TMoneyDialog::UseControls(const Controls &windowControls)
{
    controls = windowControls;
    connect(controls.leave, &QPushButton::clicked, this, &TMoneyDialog::cancelbttnClick);
}

void TMoneyDialog::FormCreate()
{
    CopyPictures(controls.dog, controls.title);
}

void TMoneyDialog::FormShow()
{
    GetInfo();
    controls.leave->setFocus();
}

void TMoneyDialog::GetInfo()
{
    controls.balance->setText(QStringLiteral("$%1").arg(Game.*balance));
    controls.cash->setText(QStringLiteral("$%1").arg(Game.Cash));
    controls.amount->setText(QStringLiteral("0"));
}

std::string TMoneyDialog::AmountText() const
{
    return controls.amount->text().toStdString();
}

void TMoneyDialog::After(Refresh refresh)
{
    if (refresh == Refresh::Yes)
        GetInfo();
}

void TMoneyDialog::cancelbttnClick()
{
    CloseWindow();
}

} // namespace barkmoor
