// A line edit without the select-all that QLineEdit does on keyboard focus.
#include "AmountEdit.h"

namespace barkmoor {

TAmountEdit::TAmountEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

void TAmountEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    deselect();
}

} // namespace barkmoor
