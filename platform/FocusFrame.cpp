// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/FocusFrame.h"

#include <QPainter>
#include <QPen>

namespace quorvel::platform {

void drawFocusFrame(QPainter& painter, const QRect& area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    QPen line(QColor(0, 0, 128), 2);
    line.setJoinStyle(Qt::MiterJoin);
    painter.setPen(line);
    // A pen is centred on its path: these paths put each line on whole pixels inside the area.
    painter.drawRect(QRectF(area).adjusted(1, 1, -1, -1));
    line.setColor(Qt::white);
    line.setWidth(1);
    painter.setPen(line);
    painter.drawRect(QRectF(area).adjusted(2.5, 2.5, -2.5, -2.5));
    painter.restore();
}

} // namespace quorvel::platform
