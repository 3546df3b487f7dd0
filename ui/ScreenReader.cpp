// The edit boxes answer a screen reader's text questions themselves: Qt 6.4's own answer for
// the word at the end of the text never returns, and its empty attribute runs make a reader
// drop the last character. They also take text from voice control and on-screen keyboards, held
// to what the keys may type. Figures read with their captions, menu items with their kind and
// tick, and a list's focus with its current row.
#include "ScreenReader.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <utility>

namespace barkmoor {
namespace {

using Span = std::pair<int, int>;

bool IsSpace(QChar c)
{
    return c.isSpace();
}

// The pieces a boundary cuts the text into, in order and covering it all: characters (a
// surrogate pair is one), words with the spaces after them, or the whole line.
QList<Span> Pieces(const QString &text, QAccessible::TextBoundaryType boundary)
{
    QList<Span> pieces;
    const int length = int(text.size());
    if (boundary != QAccessible::CharBoundary && boundary != QAccessible::WordBoundary) {
        pieces.append({ 0, length });
        return pieces;
    }
    int start = 0;
    while (start < length) {
        int end = start + 1;
        if (boundary == QAccessible::CharBoundary) {
            if (end < length && text[start].isHighSurrogate() && text[end].isLowSurrogate())
                ++end;
        } else {
            while (end < length && !(IsSpace(text[end - 1]) && !IsSpace(text[end])))
                ++end;
        }
        pieces.append({ start, end });
        start = end;
    }
    return pieces;
}

// What the keys could type: printable characters (a surrogate pair as one), format marks and
// private-use characters, as QLineEdit takes them from a key press.
bool Typable(const QString &text)
{
    if (!text.isValidUtf16())
        return false;
    for (const char32_t c : text.toUcs4())
        if (!QChar::isPrint(c) && QChar::category(c) != QChar::Other_Format
            && QChar::category(c) != QChar::Other_PrivateUse)
            return false;
    return true;
}

// The index of the piece holding the offset, or the number of pieces at the end of the text.
qsizetype PieceAt(const QList<Span> &pieces, int offset)
{
    for (qsizetype i = 0; i < pieces.size(); ++i)
        if (offset < pieces[i].second)
            return i;
    return pieces.size();
}

class LineEditAccessible final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit *edit)
        : QAccessibleWidget(edit, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return Shown();
        return QAccessibleWidget::text(type);
    }

    // UI Automation's ValuePattern.SetValue arrives here.
    void setText(QAccessible::Text type, const QString &text) override
    {
        if (type == QAccessible::Value)
            Type(0, characterCount(), text);
        else
            QAccessibleWidget::setText(type, text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = Edit()->isReadOnly();
        state.editable = !state.readOnly;
        state.selectableText = true;
        return state;
    }

    void deleteText(int startOffset, int endOffset) override { Type(startOffset, endOffset, QString()); }
    void insertText(int offset, const QString &text) override { Type(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        Type(startOffset, endOffset, text);
    }

    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }

    // No attributes, in one run over the whole text.
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    int cursorPosition() const override { return Edit()->cursorPosition(); }

    // The box between the caret positions before and after the character (a surrogate pair is
    // one), placed as the edit places its own caret: the middle of its cursor rectangle is where
    // the caret is drawn, with the frame, margins, alignment and scrolling the edit applies.
    QRect characterRect(int offset) const override
    {
        const QString shown = Shown();
        if (offset < 0 || offset >= shown.size())
            return {};
        const QList<Span> characters = Pieces(shown, QAccessible::CharBoundary);
        const Span character = characters.at(PieceAt(characters, offset));
        QTextLayout layout(shown, Edit()->font());
        QTextOption option;
        option.setTextDirection(Edit()->layoutDirection());
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        const QRectF caret = Edit()->inputMethodQuery(Qt::ImCursorRectangle).toRectF();
        const qreal origin = caret.center().x() - line.cursorToX(Edit()->cursorPosition());
        const qreal first = origin + line.cursorToX(character.first);
        const qreal last = origin + line.cursorToX(character.second);
        const QRect box(QPoint(qRound(qMin(first, last)), qRound(caret.top())),
            QPoint(qRound(qMax(first, last)) - 1, qRound(caret.bottom())));
        return box.translated(Edit()->mapToGlobal(QPoint(0, 0)));
    }

    int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }

    int offsetAtPoint(const QPoint &point) const override
    {
        return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
    }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !Edit()->hasSelectedText())
            return;
        *startOffset = Edit()->selectionStart();
        *endOffset = Edit()->selectionEnd();
    }

    QString text(int startOffset, int endOffset) const override
    {
        const Span span = Clamped(startOffset, endOffset);
        return Shown().mid(span.first, span.second - span.first);
    }

    QString textBeforeOffset(
        int offset, QAccessible::TextBoundaryType boundary, int *startOffset, int *endOffset) const override
    {
        return Piece(offset, boundary, -1, startOffset, endOffset);
    }

    QString textAfterOffset(
        int offset, QAccessible::TextBoundaryType boundary, int *startOffset, int *endOffset) const override
    {
        return Piece(offset, boundary, 1, startOffset, endOffset);
    }

    QString textAtOffset(
        int offset, QAccessible::TextBoundaryType boundary, int *startOffset, int *endOffset) const override
    {
        return Piece(offset, boundary, 0, startOffset, endOffset);
    }

    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            Edit()->deselect();
    }

    void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }

    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        const Span span = Clamped(startOffset, endOffset);
        Edit()->setSelection(span.first, span.second - span.first);
    }

    int characterCount() const override { return int(Shown().size()); }

    void scrollToSubstring(int startIndex, int endIndex) override
    {
        Edit()->setCursorPosition(endIndex);
        Edit()->setCursorPosition(startIndex);
    }

private:
    QLineEdit *Edit() const { return static_cast<QLineEdit *>(object()); }

    // Puts text in place of [start, end) as typing over a selection would: nothing into a
    // read-only, disabled or hidden box (a reader never learns a hidden box's offsets), nothing
    // the keys could not type, nothing past the length limit, and through the box's own
    // validation. A refused text leaves the box as it was.
    void Type(int startOffset, int endOffset, const QString &text)
    {
        QLineEdit *edit = Edit();
        if (edit->isReadOnly() || !edit->isEnabled() || edit->echoMode() != QLineEdit::Normal || !Typable(text))
            return;
        const Span span = Clamped(startOffset, endOffset);
        if (edit->text().size() - (span.second - span.first) + text.size() > edit->maxLength())
            return;
        edit->setSelection(span.first, span.second - span.first);
        edit->insert(text);
    }

    // What a listener may hear: nothing of a hidden entry.
    QString Shown() const { return Edit()->echoMode() == QLineEdit::Normal ? Edit()->text() : QString(); }

    // Offsets as a reader sends them (-1 for the end, -2 for the caret), kept inside the text.
    int Offset(int offset) const
    {
        if (offset == -2)
            return cursorPosition();
        if (offset < 0 || offset > characterCount())
            return characterCount();
        return offset;
    }

    Span Clamped(int startOffset, int endOffset) const
    {
        const int start = Offset(startOffset);
        return { start, qMax(start, Offset(endOffset)) };
    }

    // The piece at the offset, or the one before or after it (step -1 or 1). At the end of the
    // text the piece at it is the last one, except for a character.
    QString Piece(int offset, QAccessible::TextBoundaryType boundary, int step, int *startOffset, int *endOffset) const
    {
        const QString shown = Shown();
        const QList<Span> pieces = Pieces(shown, boundary);
        const int at = Offset(offset);
        qsizetype index = PieceAt(pieces, at);
        if (index == pieces.size() && boundary != QAccessible::CharBoundary)
            index = pieces.size() - 1;
        index += step;
        if (index < 0 || index >= pieces.size()) {
            *startOffset = *endOffset = at;
            return {};
        }
        *startOffset = pieces[index].first;
        *endOffset = pieces[index].second;
        return shown.mid(*startOffset, *endOffset - *startOffset);
    }
};

const QLabel *CaptionOf(const QWidget *figure)
{
    for (const QLabel *caption : figure->window()->findChildren<QLabel *>())
        if (caption->buddy() == figure)
            return caption;
    return nullptr;
}

// A figure reads with its caption wherever a reader meets it (flat review puts a caption and
// its figure on lines of their own), not as a bare "$ 1518". Every label that shows text gets
// this interface (a picture copied in later reads as one), and the caption is looked for at each
// reading, so one linked after the first question still counts; otherwise a label reads as Qt's
// own would.
class LabelAccessible final : public QAccessibleWidget {
public:
    explicit LabelAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QAccessible::Role role() const override
    {
        return Label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QString text(QAccessible::Text type) const override
    {
        if (type != QAccessible::Name)
            return QAccessibleWidget::text(type);
        if (CaptionOf(Label()))
            return Captioned(Label());
        if (!Label()->accessibleName().isEmpty())
            return Label()->accessibleName();
        QString shown = Label()->text();
        if (Label()->textFormat() == Qt::RichText
            || (Label()->textFormat() == Qt::AutoText && Qt::mightBeRichText(shown))) {
            QTextDocument document;
            document.setHtml(shown);
            shown = document.toPlainText();
        }
        return Label()->buddy() ? shown.remove(QLatin1Char('&')) : shown;
    }

    // A caption is the label of its buddy, which a reader then reads with the buddy only.
    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Labelled) && Label()->buddy())
            if (QAccessibleInterface *buddy = QAccessible::queryAccessibleInterface(Label()->buddy()))
                found.append({ buddy, QAccessible::Labelled });
        return found;
    }

private:
    QLabel *Label() const { return static_cast<QLabel *>(widget()); }
};

// The menu or menu bar that shows the action.
QWidget *MenuOwner(const QAction *action)
{
    for (QObject *object : action->associatedObjects())
        if (qobject_cast<QMenu *>(object) || qobject_cast<QMenuBar *>(object))
            return static_cast<QWidget *>(object);
    return nullptr;
}

// A menu's commands as Qt reports them, with what Qt 6.4 leaves out on the way to a reader: an
// item that opens a submenu is expandable (expanded while it is open), and one with a tick is a
// check box, so that a reader says "not checked" too (the bridge drops the checkable state).
class MenuItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuItemAccessible(QAction *action, QWidget *owner)
        : action(action)
        , owner(owner)
    {
    }

    bool isValid() const override { return action && owner; }
    QObject *object() const override { return action; }
    QWindow *window() const override { return owner ? owner->window()->windowHandle() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(owner); }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && action->menu() ? QAccessible::queryAccessibleInterface(action->menu()) : nullptr;
    }
    int childCount() const override { return action->menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && action->menu() && child->object() == action->menu() ? 0 : -1;
    }
    void setText(QAccessible::Text, const QString &) override { }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Accelerator)
            return action->shortcut().toString(QKeySequence::NativeText);
        return type == QAccessible::Name ? QString(action->text()).remove(QLatin1Char('&')) : QString();
    }

    QRect rect() const override
    {
        QRect area;
        if (!isValid())
            return area;
        if (auto *menu = qobject_cast<QMenu *>(owner))
            area = menu->actionGeometry(action);
        else if (auto *bar = qobject_cast<QMenuBar *>(owner))
            area = bar->actionGeometry(action);
        return area.translated(owner->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::Role role() const override
    {
        if (action->isSeparator())
            return QAccessible::Separator;
        return action->isCheckable() ? QAccessible::CheckBox : QAccessible::MenuItem;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invalid = !isValid();
        if (state.invalid)
            return state;
        state.invisible = !owner->isVisible() || !action->isVisible();
        auto *menu = qobject_cast<QMenu *>(owner);
        auto *bar = qobject_cast<QMenuBar *>(owner);
        state.focused = (menu && menu->activeAction() == action) || (bar && bar->activeAction() == action);
        state.disabled = action->isSeparator() || !action->isEnabled();
        state.checkable = action->isCheckable();
        state.checked = action->isChecked();
        if (menu && action->menu()) {
            state.expandable = true;
            state.expanded = action->menu()->isVisible();
            state.collapsed = !state.expanded;
        }
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        if (!action->isEnabled())
            return {};
        return { action->menu() ? showMenuAction() : pressAction() };
    }

    void doAction(const QString &name) override
    {
        if (!action->isEnabled())
            return;
        if (name == pressAction())
            action->trigger();
        else if (name == showMenuAction() && qobject_cast<QMenu *>(owner))
            static_cast<QMenu *>(owner.data())->setActiveAction(action);
        else if (name == showMenuAction() && qobject_cast<QMenuBar *>(owner))
            static_cast<QMenuBar *>(owner.data())->setActiveAction(action);
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QAction> action;
    QPointer<QWidget> owner;
};

// A pop-up menu whose items are found by their action whatever role they report (Qt's own
// menu finds only menu items and separators), and whose parent is the item that opens it.
class MenuAccessible final : public QAccessibleWidget {
public:
    explicit MenuAccessible(QMenu *menu)
        : QAccessibleWidget(menu, QAccessible::PopupMenu)
    {
    }

    int childCount() const override { return int(Menu()->actions().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QAction *> actions = Menu()->actions();
        return index >= 0 && index < actions.size() ? QAccessible::queryAccessibleInterface(actions[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(Menu()->actions().indexOf(qobject_cast<QAction *>(child->object()))) : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        QAction *action = Menu()->actionAt(Menu()->mapFromGlobal(QPoint(x, y)));
        return action ? QAccessible::queryAccessibleInterface(action) : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        if (MenuOwner(Menu()->menuAction()))
            return QAccessible::queryAccessibleInterface(Menu()->menuAction());
        return QAccessibleWidget::parent();
    }
    QString text(QAccessible::Text type) const override
    {
        const QString text = QAccessibleWidget::text(type);
        return text.isEmpty() && type == QAccessible::Name ? QString(Menu()->title()).remove(QLatin1Char('&')) : text;
    }

private:
    QMenu *Menu() const { return static_cast<QMenu *>(widget()); }
};

// A label that shows text; a picture or an animation is left to Qt's own interface.
bool TextLabel(const QLabel *label)
{
#if QT_CONFIG(movie) // the Windows build's Qt has no animations
    if (label->movie())
        return false;
#endif
    return label->pixmap().isNull() && label->picture().isNull();
}

QAccessibleInterface *GameAccessible(const QString &, QObject *object)
{
    if (auto *edit = qobject_cast<QLineEdit *>(object))
        return new LineEditAccessible(edit);
    if (auto *label = qobject_cast<QLabel *>(object); label && TextLabel(label))
        return new LabelAccessible(label);
    if (auto *menu = qobject_cast<QMenu *>(object))
        return new MenuAccessible(menu);
    if (auto *action = qobject_cast<QAction *>(object); action && MenuOwner(action))
        return new MenuItemAccessible(action, MenuOwner(action));
    return nullptr;
}

// Qt reports a list's current row before the list itself as the focus comes in, and a reader
// keeps the last report only: the row is reported again, so the row Enter picks is the one heard.
void ReportCurrentRow(const QAccessibleEvent *event)
{
    auto *view = qobject_cast<QAbstractItemView *>(event->object());
    if (event->type() != QAccessible::Focus || event->child() >= 0 || !view || !view->currentIndex().isValid())
        return;
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(view);
    QAccessibleTableInterface *table = list ? list->tableInterface() : nullptr;
    QAccessibleInterface *cell = table ? table->cellAt(view->currentIndex().row(), 0) : nullptr;
    if (!cell)
        return;
    QAccessibleEvent row(view, QAccessible::Focus);
    row.setChild(list->indexOfChild(cell));
    QAccessible::updateAccessibility(&row);
}

// Qt reports nothing as a submenu closes and its parent's item has the focus again; without a
// report a reader stays silent on the closed submenu's item.
void ReportItemUnderClosedSubmenu(const QAccessibleEvent *event)
{
    auto *submenu = qobject_cast<QMenu *>(event->object());
    auto *menu = submenu ? qobject_cast<QMenu *>(MenuOwner(submenu->menuAction())) : nullptr;
    if (event->type() != QAccessible::PopupMenuEnd || !menu)
        return;
    // After the whole chain has closed, when a command was chosen.
    QTimer::singleShot(0, menu, [menu, item = submenu->menuAction()] {
        if (!menu->isVisible() || QApplication::activePopupWidget() != menu || menu->activeAction() != item)
            return;
        QAccessibleEvent focus(menu, QAccessible::Focus);
        focus.setChild(int(menu->actions().indexOf(item)));
        QAccessible::updateAccessibility(&focus);
    });
}

// Between one menu of the bar closing and the next opening, Qt hands the focus back to the
// window's control for a moment; a reader would then read that control over the open menu.
bool FocusUnderOpenMenu(const QAccessibleEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(event->object());
    if (event->type() != QAccessible::Focus || !widget || qobject_cast<QMenu *>(widget)
        || qobject_cast<QMenuBar *>(widget))
        return false;
    if (qobject_cast<QMenu *>(QApplication::activePopupWidget()))
        return true;
    const auto *window = qobject_cast<QMainWindow *>(widget->window());
    return window && window->menuWidget() && qobject_cast<QMenuBar *>(window->menuWidget())
        && static_cast<QMenuBar *>(window->menuWidget())->activeAction();
}

void PassOnUpdate(QAccessibleEvent *event)
{
    // Qt has applied a model change to the table's cells before it calls the handler; sent on
    // again it would be applied twice, and no bridge of Qt 6.4 does more with it.
    if (event->type() == QAccessible::TableModelChanged || FocusUnderOpenMenu(event))
        return;
    // Without a handler Qt hands the event to the platform's bridge.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(PassOnUpdate);
    ReportCurrentRow(event);
    ReportItemUnderClosedSubmenu(event);
}

// Ends news at the control's next loss of the focus: its standing description comes back.
class NewsEnd final : public QObject {
public:
    static constexpr const char *StandingDescription = "barkmoorStandingDescription";
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut) {
            auto *control = static_cast<QWidget *>(watched);
            control->setAccessibleDescription(control->property(StandingDescription).toString());
        }
        return false;
    }
};

} // namespace

QString Captioned(const QLabel *figure)
{
    const QLabel *caption = CaptionOf(figure);
    return caption ? caption->text() + QLatin1Char(' ') + figure->text() : figure->text();
}

void Announce(QWidget *control, const QString &news, const QString &standing)
{
    static QPointer<NewsEnd> ends;
    if (!ends)
        ends = new NewsEnd(qApp);
    control->setProperty(NewsEnd::StandingDescription, standing);
    control->installEventFilter(ends);
    control->setAccessibleDescription(news.isEmpty() ? standing : news);
}

void InstallScreenReaderSupport()
{
    QAccessible::installFactory(GameAccessible);
    QAccessible::installUpdateHandler(PassOnUpdate);
}

} // namespace barkmoor
