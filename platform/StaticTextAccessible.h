// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/TextUnits.h"

#include <QAccessibleWidget>

class QLabel;
class QTextLayout;

namespace quorvel::platform {

// What a screen reader sees of a label: a label named by its text, the label of the field it names,
// with its text to read as Qt 6.4's own label interface does not offer it. Its lines are the lines as
// drawn, with their places on the screen, so that a reader's review goes through a wrapped text line by
// line; its words are words with the spaces after them, its sentences and paragraphs its paragraphs.
class StaticTextAccessible final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit StaticTextAccessible(QLabel* label);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTextInterface: the text is read only, with no caret and no selection.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QLabel& label() const;
    void layOut(QTextLayout& layout) const;
    TextUnits units(QAccessible::TextBoundaryType boundaryType) const;
};

} // namespace quorvel::platform
