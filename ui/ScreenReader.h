// What a screen reader gets beyond Qt's own answers: the edit boxes' text, read and typed by
// the game itself, results announced on the focused control, and no focus reported under an
// open menu.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace barkmoor {

// The figure after the caption that names it (the label whose buddy it is), as the window
// shows them: "Cash $ 1518".
QString Captioned(const QLabel *figure);

// Tells a reader the result of what the player just did, through the control that has the
// focus or is about to take it: a reader speaks a focused control's description as it changes,
// and a control's description as the focus reaches it. The news stays until the control loses
// the focus; then its description is standing again, so a later visit does not repeat it. No
// news leaves only the standing description.
void Announce(QWidget *control, const QString &news, const QString &standing = QString());

// Installs the game's own accessible interface for every line edit and the filter of focus
// reports; call once the application exists and before any window is made.
void InstallScreenReaderSupport();

} // namespace barkmoor
