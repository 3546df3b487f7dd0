// The Saving & Bone Bank: a thin window over the savings rules.
#include "Unit5.h"

#include "Finance.h"
#include "GameCore.h"
#include "WindowStyle.h"
#include "ui_Unit5.h"

namespace barkmoor {

TSavingBankBox *SavingBankBox = nullptr;

TSavingBankBox::TSavingBankBox(QWidget *parent)
    : TGameDialog("SavingBankBox", parent)
    , ui(std::make_unique<Ui::TSavingBankBox>())
{
    ui->setupUi(this);
    SetUpWindow(341, 203);
    connect(ui->cancelbttn, &QPushButton::clicked, this, &TSavingBankBox::cancelbttnClick);
    connect(ui->DepositBttn, &QPushButton::clicked, this, &TSavingBankBox::DepositBttnClick);
    connect(ui->Withdrawbttn, &QPushButton::clicked, this, &TSavingBankBox::WithdrawbttnClick);
    connect(ui->Button1, &QPushButton::clicked, this, &TSavingBankBox::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TSavingBankBox::Button2Click);
}

TSavingBankBox::~TSavingBankBox() = default;

void TSavingBankBox::FormCreate()
{
    CopyMainPictures(ui->Image1, ui->Image2);
}

void TSavingBankBox::setVisible(bool visible)
{
    if (visible && !isVisible())
        FormShow();
    TGameDialog::setVisible(visible);
}

void TSavingBankBox::FormShow()
{
    GetInfo();
    ui->cancelbttn->setFocus();
}

void TSavingBankBox::GetInfo()
{
    ui->banksavings->setText(QStringLiteral("$%1").arg(Game.Savings));
    ui->cashinpaw->setText(QStringLiteral("$%1").arg(Game.Cash));
    ui->AmountBox->setText(QStringLiteral("0"));
}

void TSavingBankBox::After(Refresh refresh)
{
    if (refresh == Refresh::Yes)
        GetInfo();
}

void TSavingBankBox::cancelbttnClick()
{
    CloseWindow();
}

void TSavingBankBox::DepositBttnClick()
{
    After(DepositCash(ui->AmountBox->text().toStdString()));
}

void TSavingBankBox::WithdrawbttnClick()
{
    After(WithdrawSavings(ui->AmountBox->text().toStdString()));
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
