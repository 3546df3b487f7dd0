// The amount box of Top Dog's Den and the bank: a one-line edit that keeps its text
// unselected when the focus arrives, so tabbing in does not mark the amount for overtyping.
#pragma once

#include <QLineEdit>

namespace barkmoor {

class TAmountEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TAmountEdit(QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
};

} // namespace barkmoor

using barkmoor::TAmountEdit;
