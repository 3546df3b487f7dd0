// Focus handed back after a window closes; a list's current row only where the focus is.
#include "WindowFocus.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFocusEvent>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTimer>

namespace barkmoor {
namespace {

QPointer<QWidget> mainGameWindow;

class FocusBack final : public QObject {
public:
    explicit FocusBack(QWidget &mainWindow)
        : QObject(&mainWindow)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A window the window manager hides (minimised) is left to it.
        if (event->type() != QEvent::Hide || event->spontaneous() || !qobject_cast<QDialog *>(watched))
            return false;
        const QWidget *active = QApplication::activeWindow();
        if (active && active != watched)
            return false; // another window already holds the focus
        // A window that comes up from here on takes the keyboard as the desktop shows it; only
        // one that was on the screen already may have to be given it back.
        QList<QPointer<QWidget>> onScreen;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window != watched && window->isVisible())
                onScreen.append(window);
        // After the closing handler has run: a window it hides or opens next is then known.
        QTimer::singleShot(0, this, [onScreen] {
            QWidget *next = TopGameWindow();
            if (next && next->isVisible() && !next->isActiveWindow() && onScreen.contains(next))
                next->activateWindow();
        });
        return false;
    }
};

class CurrentWithFocus final : public QObject {
public:
    explicit CurrentWithFocus(QAbstractItemView *list)
        : QObject(list)
        , list(list)
    {
        list->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != list || !list->selectionModel())
            return false;
        if (LetsGo(event) && list->currentIndex().isValid()) {
            kept = list->currentIndex();
            list->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        } else if (event->type() == QEvent::FocusIn && kept.isValid() && !list->currentIndex().isValid()) {
            list->selectionModel()->setCurrentIndex(kept, QItemSelectionModel::NoUpdate);
        }
        return false;
    }

private:
    // The focus has gone elsewhere in the window, or the window has left the screen. A prompt
    // over the window leaves the list the window's focus, to have again when it closes.
    static bool LetsGo(const QEvent *event)
    {
        if (event->type() == QEvent::Hide)
            return true;
        if (event->type() != QEvent::FocusOut)
            return false;
        const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
        return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
    }

    QAbstractItemView *list;
    QPersistentModelIndex kept;
};

} // namespace

void HandBackFocusOnClose(QWidget &mainWindow)
{
    mainGameWindow = &mainWindow;
    new FocusBack(mainWindow);
}

QWidget *TopGameWindow()
{
    // Qt keeps its modal windows in the order shown, whatever the desktop has activated.
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return mainGameWindow;
}

void CurrentRowOnlyWhileFocused(QAbstractItemView *list)
{
    new CurrentWithFocus(list);
}

} // namespace barkmoor
