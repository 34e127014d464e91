// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Fonts.h"

#include <QFontDatabase>

namespace quorvel::platform {
namespace {

QFont baseFont(const QString& name)
{
    if (name.compare(QLatin1String("System"), Qt::CaseInsensitive) == 0)
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (name == QLatin1String("Courier"))
        return QFontDatabase::systemFont(QFontDatabase::FixedFont);
    QFont font(name);
    if (name == QLatin1String("Times"))
        font.setStyleHint(QFont::Serif);
    return font;
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
