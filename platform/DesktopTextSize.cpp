// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/DesktopTextSize.h"

#include "platform/OperatingSystem.h"

#include <QApplication>
#include <QByteArray>
#include <algorithm>

namespace quorvel::platform {

double desktopTextScaleFactor()
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return 1;
    return std::max(1.0, os::desktopTextScale());
}

double scaleWithDesktopText()
{
    const double factor = desktopTextScaleFactor();
    if (factor != 1)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
    return factor;
}

void keepDesktopFontAtUsersSize(double factor)
{
    if (factor == 1)
        return;
    QFont font = QApplication::font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() / factor);
    else
        font.setPixelSize(qRound(font.pixelSize() / factor));
    QApplication::setFont(font);
}

} // namespace quorvel::platform
