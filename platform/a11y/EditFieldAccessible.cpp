// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/a11y/EditFieldAccessible.h"

#include <QLineEdit>

namespace quorvel::platform {

EditFieldAccessible::EditFieldAccessible(QLineEdit* field) : TextAccessible(field, QAccessible::EditableText)
{}

QLineEdit& EditFieldAccessible::field() const
{
    return *qobject_cast<QLineEdit*>(widget());
}

QString EditFieldAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return field().text();
    return WidgetAccessible::text(t);
}

void EditFieldAccessible::setText(QAccessible::Text t, const QString& text)
{
    if (t == QAccessible::Value)
        field().setText(text);
    else
        WidgetAccessible::setText(t, text);
}

QAccessible::State EditFieldAccessible::state() const
{
    QAccessible::State state = WidgetAccessible::state();
    state.readOnly = field().isReadOnly();
    state.editable = !field().isReadOnly();
    state.selectableText = true;
    return state;
}

void* EditFieldAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return TextAccessible::interface_cast(t);
}

void EditFieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && field().hasSelectedText()) {
        *startOffset = field().selectionStart();
        *endOffset = field().selectionEnd();
    }
}

int EditFieldAccessible::selectionCount() const
{
    return field().hasSelectedText() ? 1 : 0;
}

void EditFieldAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void EditFieldAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        field().deselect();
}

void EditFieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        field().setSelection(startOffset, endOffset - startOffset);
}

int EditFieldAccessible::cursorPosition() const
{
    return field().cursorPosition();
}

void EditFieldAccessible::setCursorPosition(int position)
{
    field().setCursorPosition(position);
}

QString EditFieldAccessible::shownText() const
{
    return field().text();
}

// -2 stands for the caret.
int EditFieldAccessible::unitOffset(int offset) const
{
    return offset == -2 ? cursorPosition() : offset;
}

TextUnits EditFieldAccessible::units(QAccessible::TextBoundaryType boundaryType) const
{
    if (boundaryType == QAccessible::CharBoundary)
        return TextUnits::characters(shownText());
    return TextUnits::whole(shownText());
}

// Placed from the caret, the one position QLineEdit tells: the caret runs down the middle of the
// rectangle it reports, and the characters lie at their advances from it. After the last character,
// where the caret stands while the user types, the box has no width: a magnifier that follows the
// caret finds it there.
QRect EditFieldAccessible::characterBox(int offset) const
{
    const QString text = field().text();
    if (offset < 0 || offset > text.size())
        return {};
    const QRect caret = field().inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics = field().fontMetrics();
    const int caretX = caret.left() + caret.width() / 2;
    const int left = caretX + metrics.horizontalAdvance(text.left(offset)) -
                     metrics.horizontalAdvance(text.left(field().cursorPosition()));
    const int right = caretX + metrics.horizontalAdvance(text.left(offset + 1)) -
                      metrics.horizontalAdvance(text.left(field().cursorPosition()));
    return {left, caret.top(), right - left, metrics.height()};
}

int EditFieldAccessible::offsetAt(const QPoint& point) const
{
    return field().cursorPositionAt(point);
}

void EditFieldAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    field().setCursorPosition(endIndex);
    field().setCursorPosition(startIndex);
}

// A screen reader's edits replace the text as the program's own would, past the key rule and the
// typing limit, as they do through Qt's own interface.
void EditFieldAccessible::deleteText(int startOffset, int endOffset)
{
    field().setText(field().text().remove(startOffset, endOffset - startOffset));
}

void EditFieldAccessible::insertText(int offset, const QString& text)
{
    field().setText(field().text().insert(offset, text));
}

void EditFieldAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    field().setText(field().text().replace(startOffset, endOffset - startOffset, text));
}

} // namespace quorvel::platform
