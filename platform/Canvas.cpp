// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Canvas.h"

#include "platform/Runtime.h"

#include <QMouseEvent>
#include <QPainter>

namespace quorvel::platform {

Canvas::Canvas(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void Canvas::setBackdrop(const Picture& picture)
{
    m_backdrop = picture;
    update();
}

void Canvas::onMouseDown(MouseDownHandler handler)
{
    m_mouseDown = std::move(handler);
    setCursor(Qt::PointingHandCursor);
}

void Canvas::onMouseEnter(std::function<void()> handler)
{
    m_mouseEnter = std::move(handler);
}

void Canvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_backdrop.draw(painter, rect());
}

void Canvas::mousePressEvent(QMouseEvent* event)
{
    if (!m_mouseDown) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    runHandler([&] { return m_mouseDown(at.x(), at.y()); });
}

void Canvas::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (m_mouseEnter)
        runHandler(m_mouseEnter);
}

} // namespace quorvel::platform
