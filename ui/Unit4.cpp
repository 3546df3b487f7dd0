// Top Dog's Den: a thin window over the loan rules.
#include "Unit4.h"

#include "Finance.h"
#include "GameCore.h"
#include "WindowStyle.h"
#include "ui_Unit4.h"

namespace barkmoor {

TTopDogBox *TopDogBox = nullptr;

TTopDogBox::TTopDogBox(QWidget *parent)
    : TGameDialog("TopDogBox", parent)
    , ui(std::make_unique<Ui::TTopDogBox>())
{
    ui->setupUi(this);
    SetUpWindow(344, 205);
    connect(ui->cancelbttn, &QPushButton::clicked, this, &TTopDogBox::cancelbttnClick);
    connect(ui->repaybttn, &QPushButton::clicked, this, &TTopDogBox::repaybttnClick);
    connect(ui->borrowbttn, &QPushButton::clicked, this, &TTopDogBox::borrowbttnClick);
    connect(ui->Button1, &QPushButton::clicked, this, &TTopDogBox::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TTopDogBox::Button2Click);
}

TTopDogBox::~TTopDogBox() = default;

void TTopDogBox::FormCreate()
{
    CopyMainPictures(ui->Image1, ui->Image2);
}

void TTopDogBox::setVisible(bool visible)
{
    if (visible && !isVisible())
        FormShow();
    TGameDialog::setVisible(visible);
}

void TTopDogBox::FormShow()
{
    GetInfo();
    ui->cancelbttn->setFocus();
}

void TTopDogBox::GetInfo()
{
    ui->topdogdebt->setText(QStringLiteral("$%1").arg(Game.Debt));
    ui->cashinpaw->setText(QStringLiteral("$%1").arg(Game.Cash));
    ui->AmountBox->setText(QStringLiteral("0"));
}

void TTopDogBox::After(Refresh refresh)
{
    if (refresh == Refresh::Yes)
        GetInfo();
}

void TTopDogBox::cancelbttnClick()
{
    CloseWindow();
}

void TTopDogBox::repaybttnClick()
{
    After(RepayDebt(ui->AmountBox->text().toStdString()));
}

void TTopDogBox::borrowbttnClick()
{
    After(BorrowMoney(ui->AmountBox->text().toStdString()));
}

void TTopDogBox::Button1Click()
{
    After(BorrowMax());
}

void TTopDogBox::Button2Click()
{
    After(RepayAll());
}

} // namespace barkmoor
