// The Saving & Bone Bank: depositing cash and withdrawing savings.
#pragma once

#include "GameDialog.h"

#include <memory>

namespace Ui {
class TSavingBankBox;
}

namespace barkmoor {

enum class Refresh;

class TSavingBankBox : public TGameDialog {
    Q_OBJECT

public:
    explicit TSavingBankBox(QWidget *parent = nullptr);
    ~TSavingBankBox() override;

    // Creation handler: the pictures, once.
    void FormCreate();
    // Runs on every showing, before the window appears.
    void FormShow();
    // Savings and cash onto the display; the amount box back to "0".
    void GetInfo();

    // Shows run FormShow first, whether through exec(), open() or show().
    void setVisible(bool visible) override;

private:
    void cancelbttnClick();
    void DepositBttnClick();
    void WithdrawbttnClick();
    void Button1Click();
    void Button2Click();
    void After(Refresh refresh);

    std::unique_ptr<Ui::TSavingBankBox> ui;
};

extern TSavingBankBox *SavingBankBox;

} // namespace barkmoor
