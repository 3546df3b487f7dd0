// The about window: pictures, version and two notices.
#pragma once

#include "GameDialog.h"

#include <memory>

namespace Ui {
class Taboutbox;
}

namespace barkmoor {

class Taboutbox : public TGameDialog {
    Q_OBJECT

public:
    explicit Taboutbox(const PictureSource &pictures, QWidget *parent = nullptr);
    ~Taboutbox() override;

    void FormCreate();
    void Button1Click();

private:
    std::unique_ptr<Ui::Taboutbox> ui;
};

} // namespace barkmoor
