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
    DescribeButtons({ { ui->repaybttn, QStringLiteral("Pays the amount in How much? off the debt from cash") },
        { ui->Button2, QStringLiteral("Pays off as much of the debt as the cash covers") },
        { ui->borrowbttn, QStringLiteral("Borrows the amount in How much?, up to $%1 once a visit").arg(LoanLimit) },
        { ui->Button1, QStringLiteral("Borrows $%1, the most for one loan").arg(LoanLimit) } });
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
