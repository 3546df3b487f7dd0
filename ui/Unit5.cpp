// The Saving & Bone Bank: a thin window over the savings rules.
#include "Unit5.h"

#include "Finance.h"
#include "GameCore.h"
#include "ui_Unit5.h"

namespace barkmoor {

TSavingBankBox::TSavingBankBox(const PictureSource &pictures, QWidget *parent)
    : TMoneyDialog("SavingBankBox", &GameState::Savings, pictures, parent)
    , ui(std::make_unique<Ui::TSavingBankBox>())
{
    ui->setupUi(this);
    SetUpWindow();
    UseControls({ ui->Image1, ui->Image2, ui->banksavings, ui->cashinpaw, ui->AmountBox, ui->cancelbttn });
    connect(ui->DepositBttn, &QPushButton::clicked, this, &TSavingBankBox::DepositBttnClick);
    connect(ui->Withdrawbttn, &QPushButton::clicked, this, &TSavingBankBox::WithdrawbttnClick);
    connect(ui->Button1, &QPushButton::clicked, this, &TSavingBankBox::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TSavingBankBox::Button2Click);
}

TSavingBankBox::~TSavingBankBox() = default;

void TSavingBankBox::DepositBttnClick()
{
    After(DepositCash(AmountText()));
}

void TSavingBankBox::WithdrawbttnClick()
{
    After(WithdrawSavings(AmountText()));
}

void TSavingBankBox::Button1Click()
{
    After(DepositAll());
}

void TSavingBankBox::Button2Click()
{
    After(WithdrawMax());
}

} // namespace barkmoor
