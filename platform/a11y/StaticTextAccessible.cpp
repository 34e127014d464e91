// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/a11y/StaticTextAccessible.h"

#include <QLabel>
#include <QTextLayout>
#include <QtMath>

namespace quorvel::platform {
namespace {

// Wider than any line: a label without word wrap breaks its text at its line breaks only.
constexpr qreal unlimitedWidth = 0x01000000;

} // namespace

StaticTextAccessible::StaticTextAccessible(QLabel* label) : TextAccessible(label, QAccessible::StaticText) {}

QLabel& StaticTextAccessible::label() const
{
    return *qobject_cast<QLabel*>(widget());
}

QString StaticTextAccessible::shownText() const
{
    return label().text();
}

QString StaticTextAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && label().accessibleName().isEmpty())
        return label().text();
    return WidgetAccessible::text(t);
}

QAccessible::State StaticTextAccessible::state() const
{
    QAccessible::State state = WidgetAccessible::state();
    state.readOnly = true;
    return state;
}

QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
StaticTextAccessible::relations(QAccessible::Relation match) const
{
    auto related = WidgetAccessible::relations(match);
    if (match & QAccessible::Labelled) {
        if (QAccessibleInterface* named = QAccessible::queryAccessibleInterface(label().buddy()))
            related.append({named, QAccessible::Labelled});
    }
    return related;
}

// The label's text in lines, in the label's coordinates, as QLabel draws plain text through
// QPainter::drawText: broken at the label's width where it wraps, one line under the other, each placed
// by the label's alignment, the first at the top, where the labels set their text.
void StaticTextAccessible::layOut(QTextLayout& layout) const
{
    const QRect area = label().contentsRect();
    QString text = label().text();
    layout.setText(text.replace(QLatin1Char('\n'), QChar::LineSeparator));
    layout.setFont(label().font());
    QTextOption option;
    option.setWrapMode(label().wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
    const Qt::Alignment alignment = label().alignment();
    const qreal leading = QFontMetricsF(label().font()).leading();
    qreal top = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label().wordWrap() ? area.width() : unlimitedWidth);
        qreal left = 0;
        if (alignment & Qt::AlignRight)
            left = area.width() - line.horizontalAdvance();
        else if (alignment & Qt::AlignHCenter)
            left = (area.width() - line.horizontalAdvance()) / 2;
        line.setPosition(QPointF(area.left() + left, area.top() + qCeil(top)));
        top = qCeil(top) + line.ascent() + line.descent() + leading;
    }
    layout.endLayout();
}

TextUnits StaticTextAccessible::units(QAccessible::TextBoundaryType boundaryType) const
{
    const QString text = shownText();
    switch (boundaryType) {
    case QAccessible::CharBoundary:
        return TextUnits::characters(text);
    case QAccessible::WordBoundary:
        return TextUnits::words(text);
    case QAccessible::SentenceBoundary:
    case QAccessible::ParagraphBoundary:
        return TextUnits::paragraphs(text);
    case QAccessible::LineBoundary: {
        QTextLayout layout;
        layOut(layout);
        QList<TextUnits::Span> lines;
        for (int index = 0; index < layout.lineCount(); ++index) {
            const QTextLine line = layout.lineAt(index);
            lines.append({line.textStart(), line.textStart() + line.textLength()});
        }
        return TextUnits::spans(text, lines);
    }
    case QAccessible::NoBoundary:
        break;
    }
    return TextUnits::whole(text);
}

QRect StaticTextAccessible::characterBox(int offset) const
{
    if (offset < 0 || offset >= characterCount())
        return {};
    QTextLayout layout;
    layOut(layout);
    const QTextLine line = layout.lineForTextPosition(offset);
    const qreal left = line.cursorToX(offset);
    const qreal right = offset + 1 < line.textStart() + line.textLength()
                            ? line.cursorToX(offset + 1)
                            : line.x() + line.naturalTextWidth();
    const QRectF character(left, line.y(), qMax<qreal>(0, right - left), line.height());
    return character.toAlignedRect();
}

int StaticTextAccessible::offsetAt(const QPoint& point) const
{
    const QPointF at = point;
    QTextLayout layout;
    layOut(layout);
    for (int index = 0; index < layout.lineCount(); ++index) {
        const QTextLine line = layout.lineAt(index);
        if (at.y() >= line.y() && at.y() < line.y() + line.height())
            return line.xToCursor(at.x());
    }
    return -1;
}

} // namespace quorvel::platform
