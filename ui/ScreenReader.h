// What a screen reader gets beyond Qt's own answers: the edit boxes' text, read by the game
// itself, and no focus reported under an open menu.
#pragma once

#include <QString>

class QLabel;

namespace barkmoor {

// The figure after the caption that names it (the label whose buddy it is), as the window
// shows them: "Cash $ 1518".
QString Captioned(const QLabel *figure);

// Installs the game's own accessible interface for every line edit and the filter of focus
// reports; call once the application exists and before any window is made.
void InstallScreenReaderSupport();

} // namespace barkmoor
