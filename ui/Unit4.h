// Top Dog's Den: repaying the loan shark or borrowing more from him.
#pragma once

#include "GameDialog.h"

#include <memory>

namespace Ui {
class TTopDogBox;
}

namespace barkmoor {

enum class Refresh;

class TTopDogBox : public TGameDialog {
    Q_OBJECT

public:
    explicit TTopDogBox(QWidget *parent = nullptr);
    ~TTopDogBox() override;

    // Creation handler: the pictures, once.
    void FormCreate();
    // Runs on every showing, before the window appears.
    void FormShow();
    // Debt and cash onto the display; the amount box back to "0".
    void GetInfo();

    // Shows run FormShow first, whether through exec(), open() or show().
    void setVisible(bool visible) override;

private:
    void cancelbttnClick();
    void repaybttnClick();
    void borrowbttnClick();
    void Button1Click();
    void Button2Click();
    void After(Refresh refresh);

    std::unique_ptr<Ui::TTopDogBox> ui;
};

extern TTopDogBox *TopDogBox;

} // namespace barkmoor
