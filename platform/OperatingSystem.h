// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>

// What differs between the operating systems the program runs on (Linux with glibc, Windows), kept in
// this one place.
namespace quorvel::platform::os {

// Whether the environment names a window session to connect to. On Linux that is an X11 display or a
// Wayland compositor; a Windows desktop needs no naming.
bool windowSessionNamed();
// The window session the program needs, as the message that no display can be opened names it.
const char* windowSessionNeeded();

// Hands the memory that the program has freed back to the system, where the C library would otherwise keep
// it resident for later use.
void releaseFreedMemory() noexcept;

// The size of text the user chose for the desktop, as a ratio to the desktop's default size; 1 where
// the desktop has no such setting or it is not set. On Windows, Settings > Accessibility > Text size
// (100 to 225 %); on Linux, the general font of a KDE desktop against KDE's default of 10 points.
// Readable before the application object exists.
double desktopTextScale();

// The faces behind the program's "System", "Courier" and "Times" fonts.
QFont userInterfaceFont();
QFont fixedWidthFont();
QFont serifFont();

} // namespace quorvel::platform::os
