// What the keyboard does in the game windows: Enter on buttons, the menu keys, and the
// keys that pick a row of a column or a place to travel to.
#include "Keyboard.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>

namespace barkmoor {
namespace {

class EnterPresses final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button)
            return false;
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            // In a dialog the focused button wears the default frame, as an auto-default
            // one would, but only while it has the focus.
            const auto *focus = static_cast<QFocusEvent *>(event);
            if (qobject_cast<QDialog *>(button->window()) && focus->reason() != Qt::PopupFocusReason)
                button->setDefault(event->type() == QEvent::FocusIn);
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        if (!button->isEnabled() || !button->isVisible())
            return false;
        button->click();
        return true;
    }
};

class MenuKeys final : public QObject {
public:
    MenuKeys(QWidget &window, QMenuBar *menuBar)
        : QObject(&window)
        , window(window)
        , menuBar(menuBar)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease) {
            if (type == QEvent::MouseButtonPress || type == QEvent::FocusOut)
                altAlone = false;
            return false;
        }
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->isAutoRepeat())
            return false;
        if (type == QEvent::KeyPress) {
            altAlone = key->key() == Qt::Key_Alt && !(key->modifiers() & ~Qt::AltModifier);
            if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier && Ready(watched)) {
                Open();
                return true;
            }
            return false;
        }
        // Styles with their own Alt navigation (Fusion, Windows) handle the tap themselves.
        if (key->key() != Qt::Key_Alt || !altAlone
            || menuBar->style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation, nullptr, menuBar))
            return false;
        altAlone = false;
        if (!Ready(watched))
            return false;
        Open();
        return true;
    }

private:
    // Only for keys typed into the window itself, not over a prompt, a dialog or an open
    // menu. (Without a window manager no window is active, yet the keys still arrive.)
    bool Ready(QObject *receiver) const
    {
        const auto *widget = qobject_cast<QWidget *>(receiver);
        return widget && widget->window() == &window && !QApplication::activeModalWidget()
            && !QApplication::activePopupWidget() && !menuBar->actions().isEmpty();
    }

    void Open() { menuBar->setActiveAction(menuBar->actions().constFirst()); }

    QWidget &window;
    QMenuBar *menuBar;
    bool altAlone = false;
};

bool Plain(const QKeyEvent *key)
{
    return !(key->modifiers() & ~Qt::KeypadModifier);
}

bool PicksHighlighted(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
}

// Watches a list's key presses; what a key picks is up to the kind of list.
class ListPickKeys : public QObject {
public:
    ListPickKeys(QListWidget *list, std::function<void()> pick)
        : QObject(list)
        , list(list)
        , pick(std::move(pick))
    {
        list->installEventFilter(this);
    }

protected:
    virtual bool KeyPress(QKeyEvent *key) = 0;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != list || event->type() != QEvent::KeyPress)
            return false;
        return KeyPress(static_cast<QKeyEvent *>(event));
    }

    QListWidget *list;
    std::function<void()> pick;
};

class RowPickKeys final : public ListPickKeys {
public:
    using ListPickKeys::ListPickKeys;

protected:
    bool KeyPress(QKeyEvent *key) override
    {
        if (!Plain(key) || !PicksHighlighted(key))
            return false;
        if (QListWidgetItem *item = list->currentItem()) {
            item->setSelected(true);
            pick();
        }
        return true;
    }
};

class PlacePickKeys final : public ListPickKeys {
public:
    using ListPickKeys::ListPickKeys;

protected:
    bool KeyPress(QKeyEvent *key) override
    {
        const bool plain = Plain(key);
        if (plain && PicksHighlighted(key)) {
            // The highlighted row, which may be the place picked last time or the first row.
            list->setCurrentRow(qMax(list->currentRow(), 0));
            pick();
            return true;
        }
        if (list->selectedItems().isEmpty() && plain
            && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_Home
                || key->key() == Qt::Key_PageUp)) {
            // Nothing picked yet: the list would only move from its unmarked first row, which no
            // key could then pick. These keys start at the top, as a fresh list box does.
            list->setCurrentRow(0);
            pick();
            return true;
        }
        // Let the list move its highlight first; a changed row is a pick.
        const int before = list->currentRow();
        list->removeEventFilter(this);
        QCoreApplication::sendEvent(list, key);
        list->installEventFilter(this);
        if (list->currentRow() != before && list->currentRow() >= 0)
            pick();
        return true;
    }
};

} // namespace

void OpenMenuByKeyboard(QWidget &window, QMenuBar *menuBar)
{
    new MenuKeys(window, menuBar);
}

void EnterPressesFocusedButton(QWidget &window)
{
    auto *filter = new EnterPresses(&window);
    const auto buttons = window.findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        // A dialog makes every auto-default button a candidate for its default once it is
        // shown (the next one after the focus), and Enter anywhere would then press it.
        button->setAutoDefault(false);
        button->setDefault(button->hasFocus() && qobject_cast<QDialog *>(button->window()));
        button->installEventFilter(filter);
    }
}

void PickRowByKeyboard(QListWidget *list, std::function<void()> pick)
{
    new RowPickKeys(list, std::move(pick));
}

void PickPlaceByKeyboard(QListWidget *list, std::function<void()> pick)
{
    new PlacePickKeys(list, std::move(pick));
}

} // namespace barkmoor
