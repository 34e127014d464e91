// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/StaticText.h"

#include <QFontMetrics>

namespace quorvel::platform {
namespace {

// Below this a text is no longer worth reading; it is drawn at this size and may then be cut.
constexpr int smallestPixelSize = 6;

} // namespace

StaticText::StaticText(QWidget* parent) : QLabel(parent), m_font(font())
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void StaticText::setTextFont(const QFont& font)
{
    m_font = font;
    fitToFrame();
}

void StaticText::setTextColor(const QColor& color)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, color);
    setPalette(palette);
}

void StaticText::setMultiLine(bool multiLine)
{
    setWordWrap(multiLine);
    fitToFrame();
}

void StaticText::setCaption(const QString& text)
{
    setText(text);
    fitToFrame();
}

void StaticText::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fitToFrame();
}

bool StaticText::fits(const QFont& font) const
{
    const QFontMetrics metrics(font);
    const QRect frame = contentsRect();
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed =
        metrics.boundingRect(QRect(frame.topLeft(), QSize(frame.width(), 100000)), flags, text());
    return needed.width() <= frame.width() && needed.height() <= frame.height();
}

void StaticText::fitToFrame()
{
    QFont fitted = m_font;
    if (fitted.pixelSize() > 0)
        while (fitted.pixelSize() > smallestPixelSize && !fits(fitted))
            fitted.setPixelSize(fitted.pixelSize() - 1);
    setFont(fitted);
}

} // namespace quorvel::platform
