// Top Dog's Den: a thin window over the loan rules.
#include "Unit4.h"

#include "Finance.h"
#include "GameCore.h"
#include "ui_Unit4.h"

namespace barkmoor {

TTopDogBox::TTopDogBox(const PictureSource &pictures, QWidget *parent)
    : TMoneyDialog("TopDogBox", &GameState::Debt, pictures, parent)
    , ui(std::make_unique<Ui::TTopDogBox>())
{
    ui->setupUi(this);
    SetUpWindow();
    UseControls({ ui->Image1, ui->Image2, ui->topdogdebt, ui->cashinpaw, ui->AmountBox, ui->cancelbttn });
    connect(ui->repaybttn, &QPushButton::clicked, this, &TTopDogBox::repaybttnClick);
    connect(ui->borrowbttn, &QPushButton::clicked, this, &TTopDogBox::borrowbttnClick);
    connect(ui->Button1, &QPushButton::clicked, this, &TTopDogBox::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TTopDogBox::Button2Click);
}

TTopDogBox::~TTopDogBox() = default;

void TTopDogBox::repaybttnClick()
{
    After(RepayDebt(AmountText()));
}

void TTopDogBox::borrowbttnClick()
{
    After(BorrowMoney(AmountText()));
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
