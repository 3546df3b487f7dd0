// The Saving & Bone Bank: depositing cash and withdrawing savings.
#pragma once

#include "MoneyDialog.h"

#include <memory>

namespace Ui {
class TSavingBankBox;
}

namespace barkmoor {

class TSavingBankBox : public TMoneyDialog {
    Q_OBJECT

public:
    explicit TSavingBankBox(const PictureSource &pictures, QWidget *parent = nullptr);
    ~TSavingBankBox() override;

private:
    void DepositBttnClick();
    void WithdrawbttnClick();
    void Button1Click();
    void Button2Click();

    std::unique_ptr<Ui::TSavingBankBox> ui;
};

} // namespace barkmoor
