// The edit boxes answer a screen reader's text questions themselves: Qt 6.4's own answer for
// the word at the end of the text never returns, and its empty attribute runs make a reader
// drop the last character.
#include "ScreenReader.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionFrame>

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

class LineEditAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LineEditAccessible(QLineEdit *edit)
        : QAccessibleWidget(edit, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return Shown();
        return QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.readOnly = Edit()->isReadOnly();
        state.selectableText = true;
        return state;
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

    QRect characterRect(int offset) const override
    {
        const QString shown = Shown();
        if (offset < 0 || offset >= shown.size())
            return {};
        QStyleOptionFrame option;
        option.initFrom(Edit());
        const QRect area = Edit()->style()->subElementRect(QStyle::SE_LineEditContents, &option, Edit());
        const QFontMetrics metrics(Edit()->font());
        const QPoint topLeft(area.left() + Edit()->textMargins().left() + metrics.horizontalAdvance(shown.left(offset)),
            area.top() + (area.height() - metrics.height()) / 2);
        return { Edit()->mapToGlobal(topLeft),
            QSize(metrics.horizontalAdvance(shown.mid(offset, 1)), metrics.height()) };
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
        qsizetype index = pieces.size();
        for (qsizetype i = 0; i < pieces.size(); ++i)
            if (at < pieces[i].second) {
                index = i;
                break;
            }
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

QAccessibleInterface *GameAccessible(const QString &, QObject *object)
{
    if (auto *edit = qobject_cast<QLineEdit *>(object))
        return new LineEditAccessible(edit);
    return nullptr;
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
    if (FocusUnderOpenMenu(event))
        return;
    // Without a handler Qt hands the event to the platform's bridge.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(PassOnUpdate);
}

} // namespace

void InstallScreenReaderSupport()
{
    QAccessible::installFactory(GameAccessible);
    QAccessible::installUpdateHandler(PassOnUpdate);
}

} // namespace barkmoor
