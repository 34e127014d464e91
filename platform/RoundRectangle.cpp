// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/RoundRectangle.h"

#include <QPainter>
#include <algorithm>

namespace quorvel::platform {

RoundRectangle::RoundRectangle(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RoundRectangle::setFillColor(const QColor& color)
{
    m_fill = color;
    update();
}

void RoundRectangle::setBorder(const QColor& color, int width)
{
    m_border = color;
    m_borderWidth = width;
    update();
}

void RoundRectangle::setCornerOval(int width, int height)
{
    m_cornerOval = QSize(width, height);
    update();
}

void RoundRectangle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(m_borderWidth > 0 ? QPen(m_border, m_borderWidth) : QPen(Qt::NoPen));
    painter.setBrush(m_fill);
    const qreal inset = m_borderWidth / 2.0;
    const QRectF shape = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    // An oval larger than the shape rounds each end into a half circle.
    const qreal radiusX = std::min(m_cornerOval.width() / 2.0, shape.width() / 2);
    const qreal radiusY = std::min(m_cornerOval.height() / 2.0, shape.height() / 2);
    painter.drawRoundedRect(shape, radiusX, radiusY);
}

} // namespace quorvel::platform
