// Keyboard habits shared by the game windows, so a player without a mouse can play.
#pragma once

class QWidget;

namespace barkmoor {

// No push button of the window ever becomes its default by accident (Enter typed into an
// amount box moves no money), while Enter on a focused button still presses it, as Space does.
void EnterPressesFocusedButton(QWidget &window);

} // namespace barkmoor

class QMenuBar;

namespace barkmoor {

// F10, or Alt pressed and released alone, opens the menu bar's first menu while the
// window is active; the arrows then move through the menus and Enter chooses. The
// captions carry no access keys, so this is the keyboard's way into the menu.
void OpenMenuByKeyboard(QWidget &window, QMenuBar *menuBar);

} // namespace barkmoor
