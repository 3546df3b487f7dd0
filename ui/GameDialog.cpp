// Dialog base: the shared look, centring, and closing only from the window's own buttons.
#include "GameDialog.h"

#include "Keyboard.h"
#include "WindowStyle.h"

namespace barkmoor {

TGameDialog::TGameDialog(const char *formName, const PictureSource &pictures, QWidget *parent)
    : QDialog(parent)
    , pictures(pictures)
{
    setObjectName(QLatin1String(formName));
    setModal(true);
}

void TGameDialog::SetUpWindow()
{
    StyleGameWindow(*this, size());
    EnterPressesFocusedButton(*this);
}

void TGameDialog::CopyPictures(QLabel *dog, QLabel *title)
{
    CopyMainPictures(pictures, dog, title);
}

void TGameDialog::CloseWindow()
{
    done(QDialog::Rejected);
}

void TGameDialog::reject()
{
    // Reached by Esc and the close box only; the window's buttons go through CloseWindow.
}

void TGameDialog::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TGameDialog::setVisible(bool visible)
{
    if (visible && !isVisible())
        FormShow();
    QDialog::setVisible(visible);
}

void TGameDialog::showEvent(QShowEvent *event)
{
    if (!shownBefore || centreAlways)
        CentreOnScreen(*this);
    shownBefore = true;
    QDialog::showEvent(event);
}

} // namespace barkmoor
