// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Picture.h"

#include <QWidget>
#include <functional>

namespace quorvel::platform {

// A drawing area that shows a picture as its backdrop, scaled to the canvas. Without a MouseDown handler,
// a click passes on to the window.
//
// It takes no keyboard focus unless AcceptFocus is set. One that does is reached with Tab, drawn with
// the program's focus frame (FocusFrame.h) while it has the focus, and pressed with Space or Return as
// with a click in its middle; assistive technology sees it as a button (a11y/CanvasAccessible.h).
class Canvas : public QWidget
{
    Q_OBJECT

public:
    using MouseDownHandler = std::function<bool(int x, int y)>;

    explicit Canvas(QWidget* parent = nullptr);

    void setBackdrop(const Picture& picture);
    const Picture& backdrop() const { return m_backdrop; }

    void setAcceptFocus(bool accept);
    bool acceptsFocus() const { return focusPolicy() != Qt::NoFocus; }

    void onMouseDown(MouseDownHandler handler);
    void onMouseEnter(std::function<void()> handler);

    // A press from the keyboard or from assistive technology: a click in the middle of the canvas.
    void press();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    Picture m_backdrop;
    MouseDownHandler m_mouseDown;
    std::function<void()> m_mouseEnter;
};

} // namespace quorvel::platform
