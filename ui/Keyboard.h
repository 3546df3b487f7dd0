// Keyboard habits shared by the game windows, so a player without a mouse can play.
#pragma once

#include <functional>

class QListWidget;
class QMenuBar;
class QWidget;

namespace barkmoor {

// No push button of the window ever becomes its default by accident (Enter typed into an
// amount box moves no money), while Enter on a focused button still presses it, as Space does.
void EnterPressesFocusedButton(QWidget &window);

// F10, or Alt pressed and released alone, opens the menu bar's first menu while the
// window is active; the arrows then move through the menus and Enter chooses. The
// captions carry no access keys, so this is the keyboard's way into the menu.
void OpenMenuByKeyboard(QWidget &window, QMenuBar *menuBar);

// Enter, Return or Space on a trading column picks its current row, as a click does, and
// runs pick. The arrow keys only move the highlight: a prompt on every step would make the
// rows unreachable.
void PickRowByKeyboard(QListWidget *list, std::function<void()> pick);

// On the travel list every key that moves the highlight is a pick, as is Enter, Return or
// Space on the highlighted row; pick runs with the picked row current.
void PickPlaceByKeyboard(QListWidget *list, std::function<void()> pick);

} // namespace barkmoor
