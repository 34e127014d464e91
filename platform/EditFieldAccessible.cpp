// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/EditFieldAccessible.h"

#include <QLineEdit>

namespace quorvel::platform {

EditFieldAccessible::EditFieldAccessible(QLineEdit* field)
    : QAccessibleWidget(field, QAccessible::EditableText)
{}

QLineEdit& EditFieldAccessible::field() const
{
    return *qobject_cast<QLineEdit*>(widget());
}

QString EditFieldAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return field().text();
    return QAccessibleWidget::text(t);
}

void EditFieldAccessible::setText(QAccessible::Text t, const QString& text)
{
    if (t == QAccessible::Value)
        field().setText(text);
    else
        QAccessibleWidget::setText(t, text);
}

QAccessible::State EditFieldAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = field().isReadOnly();
    state.editable = !field().isReadOnly();
    state.selectableText = true;
    return state;
}

void* EditFieldAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
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

QString EditFieldAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return {};
    return field().text().mid(startOffset, endOffset - startOffset);
}

// -2 stands for the caret.
int EditFieldAccessible::offsetOrCursor(int offset) const
{
    return offset == -2 ? cursorPosition() : offset;
}

TextUnits EditFieldAccessible::units(QAccessible::TextBoundaryType boundaryType) const
{
    if (boundaryType == QAccessible::CharBoundary)
        return TextUnits::characters(field().text());
    return TextUnits::whole(field().text());
}

QString EditFieldAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                              int* startOffset, int* endOffset) const
{
    return units(boundaryType).before(offsetOrCursor(offset)).give(startOffset, endOffset);
}

QString EditFieldAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const
{
    return units(boundaryType).after(offsetOrCursor(offset)).give(startOffset, endOffset);
}

QString EditFieldAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int* startOffset, int* endOffset) const
{
    return units(boundaryType).at(offsetOrCursor(offset)).give(startOffset, endOffset);
}

int EditFieldAccessible::characterCount() const
{
    return static_cast<int>(field().text().size());
}

// Placed from the caret, the one position QLineEdit tells: the caret runs down the middle of the
// rectangle it reports, and the characters lie at their advances from it.
QRect EditFieldAccessible::characterRect(int offset) const
{
    const QString text = field().text();
    if (offset < 0 || offset >= text.size())
        return {};
    const QRect caret = field().inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics = field().fontMetrics();
    const int caretX = caret.left() + caret.width() / 2;
    const int left = caretX + metrics.horizontalAdvance(text.left(offset)) -
                     metrics.horizontalAdvance(text.left(field().cursorPosition()));
    const QRect character(left, caret.top(), metrics.horizontalAdvance(text.mid(offset, 1)),
                          metrics.height());
    return character.translated(field().mapToGlobal(QPoint(0, 0)));
}

int EditFieldAccessible::offsetAtPoint(const QPoint& point) const
{
    return field().cursorPositionAt(field().mapFromGlobal(point));
}

void EditFieldAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    field().setCursorPosition(endIndex);
    field().setCursorPosition(startIndex);
}

QString EditFieldAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    // One font and colour throughout: no attributes.
    *startOffset = *endOffset = offset;
    return {};
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
