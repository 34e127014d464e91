// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/a11y/TextAccessible.h"

class QLineEdit;

namespace quorvel::platform {

// What a screen reader sees of an edit field: an editable text named by its label, with its text,
// caret and selection, which it may read and change as Qt's own line edit interface allows.
//
// A workaround for Qt 6.4 (no Qt bug report known): unlike Qt's own, it answers every question for a
// word, sentence, line or paragraph at once, where QAccessibleTextInterface::textAtOffset loops for
// good on a word query at the start or the end of a text such as ".8", and the program hangs. A field
// holds a handful of characters in one line, so the whole text is the word, the sentence, the line and
// the paragraph. tst_platform's fieldText_answersEveryQueryAtEveryOffset hangs, and fails at CTest's
// time limit, if a field is ever read through Qt's interface again; run against Qt's own, it shows
// when this can go.
class EditFieldAccessible final : public TextAccessible, public QAccessibleEditableTextInterface
{
public:
    explicit EditFieldAccessible(QLineEdit* field);

    using TextAccessible::text;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTextInterface: the caret and the selection
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    void scrollToSubstring(int startIndex, int endIndex) override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

protected:
    QString shownText() const override;
    TextUnits units(QAccessible::TextBoundaryType boundaryType) const override;
    int unitOffset(int offset) const override;
    QRect characterBox(int offset) const override;
    int offsetAt(const QPoint& point) const override;

private:
    QLineEdit& field() const;
};

} // namespace quorvel::platform
