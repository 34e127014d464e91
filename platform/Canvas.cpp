// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Canvas.h"

#include "platform/FocusFrame.h"
#include "platform/Runtime.h"

#include <QKeyEvent>
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

// Tab reaches it, a click does not focus it: as with the push buttons.
void Canvas::setAcceptFocus(bool accept)
{
    setFocusPolicy(accept ? Qt::TabFocus : Qt::NoFocus);
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

void Canvas::press()
{
    if (m_mouseDown)
        runHandler([this] { return m_mouseDown(width() / 2, height() / 2); });
}

void Canvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_backdrop.draw(painter, rect());
    if (hasFocus())
        drawFocusFrame(painter, rect());
}

// Space and Return press a focused canvas as they press a button; a key held down presses it once.
void Canvas::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool pressKey = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!pressKey || !m_mouseDown || (event->modifiers() & ~Qt::KeypadModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        press();
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
