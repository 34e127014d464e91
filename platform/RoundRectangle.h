// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

namespace quorvel::platform {

// A filled rectangle with rounded corners and a border, drawn within its frame.
class RoundRectangle : public QWidget
{
    Q_OBJECT

public:
    explicit RoundRectangle(QWidget* parent = nullptr);

    void setFillColor(const QColor& color);
    void setBorder(const QColor& color, int width);
    // The width and height of the oval that rounds each corner.
    void setCornerOval(int width, int height);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill = Qt::white;
    QColor m_border = Qt::black;
    int m_borderWidth = 1;
    QSize m_cornerOval{16, 16};
};

} // namespace quorvel::platform
