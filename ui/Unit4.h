// Top Dog's Den: repaying the loan shark or borrowing more from him.
#pragma once

#include "MoneyDialog.h"

#include <memory>

namespace Ui {
class TTopDogBox;
}

namespace barkmoor {

class TTopDogBox : public TMoneyDialog {
    Q_OBJECT

public:
    explicit TTopDogBox(const PictureSource &pictures, QWidget *parent = nullptr);
    ~TTopDogBox() override;

private:
    void repaybttnClick();
    void borrowbttnClick();
    void Button1Click();
    void Button2Click();

    std::unique_ptr<Ui::TTopDogBox> ui;
};

} // namespace barkmoor
