// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>

namespace quorvel::platform {

// A text cut into units (characters, words, lines), which answers a screen reader's questions for the
// unit at, before or after an offset. Every answer comes from the list of units, so none can loop.
//
// Offsets run from 0 to the text's length; -1 stands for the length. An answer is the unit's text with
// its start and end offset; where there is no such unit, or the offset lies outside the text, it is the
// empty text with -1 for both. At the end of the text there is no character (the answer is the empty
// text there), but the last word or line counts as the one there, as a caret after it stands in it.
class TextUnits
{
public:
    struct Span
    {
        int start = 0;
        int end = 0;
    };

    struct Answer
    {
        QString text;
        int start = -1;
        int end = -1;

        // The text, with the offsets written where a QAccessibleTextInterface answer wants them.
        QString give(int* startOffset, int* endOffset) const;
    };

    // Each user-perceived character (a letter with its accents, a pair of surrogates) is a unit.
    static TextUnits characters(const QString& text);
    // A word with the spaces after it is a unit; spaces at the start go with the first word.
    static TextUnits words(const QString& text);
    // Each run of text up to and with a line break is a unit, and so is the rest after the last break.
    static TextUnits paragraphs(const QString& text);
    // The whole text is the one unit.
    static TextUnits whole(const QString& text);
    // The units are the given spans, which cover the text in order, such as lines as they are drawn.
    static TextUnits spans(const QString& text, QList<Span> spans);

    Answer at(int offset) const;
    Answer before(int offset) const;
    Answer after(int offset) const;

private:
    TextUnits(const QString& text, QList<Span> spans, bool endBelongsToLastUnit);

    // Turns -1 into the length; false when the offset lies outside the text.
    bool takeOffset(int& offset) const;
    // The index of the unit at the offset; the number of units when the offset is past the last one.
    qsizetype indexAt(int offset) const;
    Answer unit(qsizetype index) const;

    QString m_text;
    QList<Span> m_spans;
    bool m_endBelongsToLastUnit;
};

} // namespace quorvel::platform
