// Base of the game's dialog windows: made once, hidden between modal showings, no close box.
#pragma once

#include <QDialog>

namespace barkmoor {

class TGameDialog : public QDialog {
    Q_OBJECT

public:
    // Dialogs stand over the main window; objectName is the form's name.
    explicit TGameDialog(const char *formName, QWidget *parent = nullptr);

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
    // Size of the client area, white ground, game font, minimise-only title bar.
    void SetUpWindow(int clientWidth, int clientHeight);
    // Centred on every showing instead of only the first.
    void CentreOnEveryShow() { centreAlways = true; }
    // Runs whenever the window closes.
    virtual void FormClose() { }
    void showEvent(QShowEvent *event) override;

private:
    bool shownBefore = false;
    bool centreAlways = false;
};

} // namespace barkmoor
