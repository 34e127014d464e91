// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Fonts.h"

#include "platform/OperatingSystem.h"

namespace quorvel::platform {
namespace {

QFont baseFont(const QString& name)
{
    if (name.compare(QLatin1String("System"), Qt::CaseInsensitive) == 0)
        return os::userInterfaceFont();
    if (name == QLatin1String("Courier"))
        return os::fixedWidthFont();
    if (name == QLatin1String("Times"))
        return os::serifFont();
    return QFont(name);
}

} // namespace

QFont fontNamed(const QString& name, int pixelSize, bool bold)
{
    QFont font = baseFont(name);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace quorvel::platform
