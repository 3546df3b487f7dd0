// Dialog base: the shared look, centring, and closing only from the window's own buttons.
#include "GameDialog.h"

#include "Keyboard.h"
#include "WindowFocus.h"
#include "WindowStyle.h"

#include <QWindow>

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
    if (visible && !isVisible()) {
        FormShow();
        StandOverTopWindow();
    }
    QDialog::setVisible(visible);
}

void TGameDialog::StandOverTopWindow()
{
    // The Dog Catcher comes up over the travel window, not over the main window that owns it.
    QWidget *owner = TopGameWindow();
    if (!owner || owner == this)
        return;
    winId(); // the native window carries the owner from now on
    windowHandle()->setTransientParent(owner->window()->windowHandle());
}

void TGameDialog::showEvent(QShowEvent *event)
{
    if (!shownBefore || centreAlways)
        CentreOnScreen(*this);
    shownBefore = true;
    QDialog::showEvent(event);
}

} // namespace barkmoor
