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

// The game window a new prompt or dialog stands over: the modal window shown last and still
// open, else the main window (hidden or not), null only before the main window exists. Read
// from the windows themselves, never from which window the desktop has activated: just after
// a window closes, the desktop may not have activated the next one yet.
QWidget *TopGameWindow();

// The list keeps a current row only while it holds its window's focus on screen, and finds it
// again when the focus comes back; so a screen reader hears of a focused row in the list that
// holds the focus, not also in a hidden or unfocused one. Refilling the list forgets the row.
void CurrentRowOnlyWhileFocused(QAbstractItemView *list);

} // namespace barkmoor
