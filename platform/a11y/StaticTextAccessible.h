// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/a11y/TextAccessible.h"

class QLabel;
class QTextLayout;

namespace quorvel::platform {

// What a screen reader sees of a label: a label named by its text, the label of the field it names,
// with its text to read, which Qt 6.4's own label interface (QAccessibleDisplay) does not offer: a
// workaround for Qt 6.4 (no Qt bug report known), checked by tst_qwindow's eachLabelIsReadLineByLine. Its
// lines are the lines as drawn, with their places on the screen, so that a reader's review goes through a
// wrapped text line by line; its words are words with the spaces after them, its sentences and paragraphs its
// paragraphs.
class StaticTextAccessible final : public TextAccessible
{
public:
    explicit StaticTextAccessible(QLabel* label);

    using TextAccessible::text;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;

protected:
    QString shownText() const override;
    TextUnits units(QAccessible::TextBoundaryType boundaryType) const override;
    QRect characterBox(int offset) const override;
    int offsetAt(const QPoint& point) const override;

private:
    QLabel& label() const;
    void layOut(QTextLayout& layout) const;
};

} // namespace quorvel::platform
