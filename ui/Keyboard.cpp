// Enter on a focused button presses it; nothing else in a window answers Enter for it.
#include "Keyboard.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
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

} // namespace barkmoor
