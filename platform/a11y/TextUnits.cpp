// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/a11y/TextUnits.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <utility>

namespace quorvel::platform {
namespace {

int lengthOf(const QString& text)
{
    return static_cast<int>(text.size());
}

// The spans that start where `startsUnit` says a new unit begins (never at 0) and run to the next one.
template <class StartsUnit> QList<TextUnits::Span> cutWhere(const QString& text, StartsUnit startsUnit)
{
    QList<TextUnits::Span> spans;
    int start = 0;
    for (int at = 1; at < lengthOf(text); ++at) {
        if (startsUnit(at)) {
            spans.append({start, at});
            start = at;
        }
    }
    if (!text.isEmpty())
        spans.append({start, lengthOf(text)});
    return spans;
}

} // namespace

TextUnits::TextUnits(const QString& text, QList<Span> spans, bool endBelongsToLastUnit)
    : m_text(text), m_spans(std::move(spans)), m_endBelongsToLastUnit(endBelongsToLastUnit)
{}

TextUnits TextUnits::characters(const QString& text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    QList<Span> spans;
    int start = 0;
    // toNextBoundary answers -1 once it has passed the end.
    for (qsizetype next = finder.toNextBoundary(); next > start; next = finder.toNextBoundary()) {
        spans.append({start, static_cast<int>(next)});
        start = static_cast<int>(next);
    }
    return {text, spans, false};
}

TextUnits TextUnits::words(const QString& text)
{
    const auto firstLetter =
        std::find_if_not(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); });
    const auto firstWord = static_cast<int>(firstLetter - text.cbegin());
    return {text,
            cutWhere(text,
                     [&](int at) { return at > firstWord && text[at - 1].isSpace() && !text[at].isSpace(); }),
            true};
}

TextUnits TextUnits::paragraphs(const QString& text)
{
    return {text, cutWhere(text, [&](int at) { return text[at - 1] == QLatin1Char('\n'); }), true};
}

TextUnits TextUnits::whole(const QString& text)
{
    return {text, cutWhere(text, [](int) { return false; }), true};
}

TextUnits TextUnits::spans(const QString& text, QList<Span> spans)
{
    return {text, std::move(spans), true};
}

qsizetype TextUnits::indexAt(int offset) const
{
    for (qsizetype index = 0; index < m_spans.size(); ++index)
        if (offset < m_spans[index].end)
            return index;
    return m_endBelongsToLastUnit && !m_spans.isEmpty() ? m_spans.size() - 1 : m_spans.size();
}

TextUnits::Answer TextUnits::unit(qsizetype index) const
{
    if (index < 0 || index >= m_spans.size())
        return {};
    const Span& span = m_spans[index];
    return {m_text.mid(span.start, span.end - span.start), span.start, span.end};
}

bool TextUnits::takeOffset(int& offset) const
{
    if (offset == -1)
        offset = lengthOf(m_text);
    return offset >= 0 && offset <= lengthOf(m_text);
}

TextUnits::Answer TextUnits::at(int offset) const
{
    if (!takeOffset(offset))
        return {};
    const qsizetype index = indexAt(offset);
    if (index == m_spans.size())
        return {QString(), offset, offset};
    return unit(index);
}

TextUnits::Answer TextUnits::before(int offset) const
{
    return takeOffset(offset) ? unit(indexAt(offset) - 1) : Answer{};
}

TextUnits::Answer TextUnits::after(int offset) const
{
    return takeOffset(offset) ? unit(indexAt(offset) + 1) : Answer{};
}

QString TextUnits::Answer::give(int* startOffset, int* endOffset) const
{
    *startOffset = start;
    *endOffset = end;
    return text;
}

} // namespace quorvel::platform
