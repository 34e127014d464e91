// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/OperatingSystem.h"

#include <QFontDatabase>
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
