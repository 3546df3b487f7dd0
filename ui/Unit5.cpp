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
    DescribeButtons({ { ui->DepositBttn, QStringLiteral("Puts the amount in How much? from cash into savings") },
        { ui->Button1, QStringLiteral("Puts all the cash into savings") },
        { ui->Withdrawbttn,
            QStringLiteral("Takes the amount in How much? out of savings, up to $%1 once a visit")
                .arg(WithdrawalLimit) },
        { ui->Button2,
            QStringLiteral("Takes out as much of the savings as one withdrawal allows, up to $%1")
                .arg(WithdrawalLimit) } });
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
