// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/a11y/TextUnits.h"
#include "platform/a11y/WidgetAccessible.h"

namespace quorvel::platform {

// What a screen reader reads of a widget that shows one plain text in one font and colour: the text,
// its length and its units (characters, words, lines...) at, before and after an offset. Every unit
// comes from TextUnits, so that no question can loop. A subclass says what its widget shows and how
// that text is cut into units. The text is read only, with no caret and no selection, unless the subclass
// gives it them.
class TextAccessible : public WidgetAccessible, public QAccessibleTextInterface
{
public:
    TextAccessible(QWidget* widget, QAccessible::Role role);

    using WidgetAccessible::text;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTextInterface
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const final;
    int offsetAtPoint(const QPoint& point) const final;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    void scrollToSubstring(int startIndex, int endIndex) override;

protected:
    virtual QString shownText() const = 0;
    virtual TextUnits units(QAccessible::TextBoundaryType boundaryType) const = 0;
    // The offset a question names, as the units take it; a widget with a caret turns -2 into the caret.
    virtual int unitOffset(int offset) const { return offset; }
    // The box of the character at the offset in the widget's coordinates; a null rectangle for none.
    virtual QRect characterBox(int offset) const = 0;
    // The offset of the character at a point in the widget's coordinates; -1 for none.
    virtual int offsetAt(const QPoint& point) const = 0;
};

} // namespace quorvel::platform
