// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Picture.h"

#include <QWidget>
#include <functional>

namespace quorvel::platform {

// A drawing area that shows a picture as its backdrop, scaled to the canvas. It takes no keyboard focus.
// Without a MouseDown handler, a click passes on to the window.
class Canvas : public QWidget
{
    Q_OBJECT

public:
    using MouseDownHandler = std::function<bool(int x, int y)>;

    explicit Canvas(QWidget* parent = nullptr);

    void setBackdrop(const Picture& picture);
    const Picture& backdrop() const { return m_backdrop; }

    void onMouseDown(MouseDownHandler handler);
    void onMouseEnter(std::function<void()> handler);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    Picture m_backdrop;
    MouseDownHandler m_mouseDown;
    std::function<void()> m_mouseEnter;
};

} // namespace quorvel::platform
