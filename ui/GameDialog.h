// Base of the game's dialog windows: made once, hidden between modal showings, no close box.
#pragma once

#include <QDialog>

class QLabel;

namespace barkmoor {

class PictureSource;

class TGameDialog : public QDialog {
    Q_OBJECT

public:
    // Dialogs stand over the main window (parent) and show its pictures; objectName is the
    // form's name.
    TGameDialog(const char *formName, const PictureSource &pictures, QWidget *parent);

    // Ends the modal showing (what "asks the window to close" means for a button).
    void CloseWindow();

    // Esc and the window manager's close do nothing: only the window's own buttons close it.
    void reject() override;
    void done(int result) override;

    // Runs on every showing, before the window appears, whether shown through exec(),
    // open() or show().
    virtual void FormShow() { }
    void setVisible(bool visible) override;

protected:
    // Once the form is set up: its size, from the form, made fixed; white ground, game
    // font, minimise-only title bar.
    void SetUpWindow();
    // Copies the main window's two pictures into the dialog's picture labels.
    void CopyPictures(QLabel *dog, QLabel *title);
    // Centred on every showing instead of only the first.
    void CentreOnEveryShow() { centreAlways = true; }
    // Runs whenever the window closes.
    virtual void FormClose() { }
    void showEvent(QShowEvent *event) override;

private:
    // Made transient for the topmost open game window, which the desktop then keeps it above.
    void StandOverTopWindow();

    const PictureSource &pictures;
    bool shownBefore = false;
    bool centreAlways = false;
};

} // namespace barkmoor
