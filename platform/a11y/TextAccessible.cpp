// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/a11y/TextAccessible.h"

namespace quorvel::platform {

TextAccessible::TextAccessible(QWidget* widget, QAccessible::Role role) : WidgetAccessible(widget, role) {}

void* TextAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return WidgetAccessible::interface_cast(t);
}

QString TextAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return {};
    return shownText().mid(startOffset, endOffset - startOffset);
}

QString TextAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const
{
    return units(boundaryType).before(unitOffset(offset)).give(startOffset, endOffset);
}

QString TextAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const
{
    return units(boundaryType).after(unitOffset(offset)).give(startOffset, endOffset);
}

QString TextAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                     int* endOffset) const
{
    return units(boundaryType).at(unitOffset(offset)).give(startOffset, endOffset);
}

int TextAccessible::characterCount() const
{
    return static_cast<int>(shownText().size());
}

QString TextAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    // One font and colour throughout: no attributes.
    *startOffset = *endOffset = offset;
    return {};
}

void TextAccessible::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
}

int TextAccessible::selectionCount() const
{
    return 0;
}

void TextAccessible::addSelection(int, int) {}

void TextAccessible::removeSelection(int) {}

void TextAccessible::setSelection(int, int, int) {}

int TextAccessible::cursorPosition() const
{
    return 0;
}

void TextAccessible::setCursorPosition(int) {}

void TextAccessible::scrollToSubstring(int, int) {}

QRect TextAccessible::characterRect(int offset) const
{
    const QRect box = characterBox(offset);
    return box.isNull() ? QRect() : onScreen(box);
}

int TextAccessible::offsetAtPoint(const QPoint& point) const
{
    return offsetAt(inWidget(point));
}

} // namespace quorvel::platform
