// Where the keyboard focus goes when a window closes, and where the focus is reported.
#pragma once

class QAbstractItemView;
class QWidget;

namespace barkmoor {

// When a prompt or dialog closes, the window the player goes on with (the modal window
// beneath, else the main window) is activated. A window manager may otherwise hand the
// focus to the closing window's owner as that too leaves the screen, and then no window
// has it and every key is lost.
void HandBackFocusOnClose(QWidget &mainWindow);

// The list keeps a current row only while it holds its window's focus on screen, and finds it
// again when the focus comes back; so a screen reader hears of a focused row in the list that
// holds the focus, not also in a hidden or unfocused one. Refilling the list forgets the row.
void CurrentRowOnlyWhileFocused(QAbstractItemView *list);

} // namespace barkmoor
