// The shared half of Top Dog's Den and the bank.
#include "MoneyDialog.h"

#include "Finance.h"
#include "GameCore.h"
#include "ScreenReader.h"

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
    described = { { controls.amount, QString() }, { controls.leave, QString() } };
    connect(controls.leave, &QPushButton::clicked, this, &TMoneyDialog::cancelbttnClick);
}

void TMoneyDialog::DescribeButtons(std::initializer_list<std::pair<QWidget *, QString>> purposes)
{
    described.append(purposes);
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
    // Every control keeps the figures, and the focused one announces them as they change.
    const QString figures = Captioned(controls.balance) + QStringLiteral(". ") + Captioned(controls.cash);
    for (const auto &[control, purpose] : described) {
        const QString said = purpose.isEmpty() ? figures : purpose + QStringLiteral(". ") + figures;
        Announce(control, said, said);
    }
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
