// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/OperatingSystem.h"

#include <QFontDatabase>
#include <QSettings>
#include <QStandardPaths>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace quorvel::platform::os {
namespace {

[[maybe_unused]] bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

QFont face(const char* family, QFont::StyleHint hint)
{
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(hint);
    return font;
}

} // namespace

#if defined(Q_OS_WIN)

bool windowSessionNamed()
{
    return true;
}

const char* windowSessionNeeded()
{
    return "a Windows desktop";
}

// Windows' heap gives large freed blocks back by itself, and the short-lived memory this is called after
// (an icon theme's index) is never taken there: Windows has no icon theme.
void releaseFreedMemory() noexcept {}

double desktopTextScale()
{
    const QSettings accessibility(QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Accessibility"),
                                  QSettings::NativeFormat);
    return accessibility.value(QStringLiteral("TextScaleFactor"), 100).toDouble() / 100;
}

// The faces every Windows 10 and 11 has. The system's own message font would be Segoe UI too, except on
// some East Asian editions, where Windows links Segoe UI to their faces for the glyphs it lacks.
QFont userInterfaceFont()
{
    return face("Segoe UI", QFont::SansSerif);
}

QFont fixedWidthFont()
{
    return face("Courier New", QFont::TypeWriter);
}

QFont serifFont()
{
    return face("Times New Roman", QFont::Serif);
}

#else

bool windowSessionNamed()
{
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

const char* windowSessionNeeded()
{
    return "a graphical session (X11 or Wayland)";
}

void releaseFreedMemory() noexcept
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

// KDE keeps its general font in kdeglobals, in the user's configuration folder or the system's, under
// [General] (which QSettings reads as no group at all) as "Noto Sans,16,-1,5,50,0,0,0,0,0": the family,
// then the size in points (-1 when set in pixels).
double desktopTextScale()
{
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':');
    if (!desktops.contains(QLatin1String("KDE"), Qt::CaseInsensitive))
        return 1;
    constexpr double kdeDefaultPoints = 10;
    for (const QString& path :
         QStandardPaths::locateAll(QStandardPaths::GenericConfigLocation, QStringLiteral("kdeglobals"))) {
        const QSettings globals(path, QSettings::IniFormat);
        const QStringList font = globals.value(QStringLiteral("font")).toStringList();
        if (font.size() < 2)
            continue;
        const double points = font.at(1).toDouble();
        return points > 0 ? points / kdeDefaultPoints : 1;
    }
    return 1;
}

// The desktop's own choices, as its platform theme reports them; "Times" is whatever serif face
// fontconfig gives for that name.
QFont userInterfaceFont()
{
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
}

QFont fixedWidthFont()
{
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

QFont serifFont()
{
    return face("Times", QFont::Serif);
}

#endif

} // namespace quorvel::platform::os
