// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <optional>

class QWindow;

// What differs between the operating systems the program runs on (Linux with glibc, Windows), kept in
// this one place.
namespace quorvel::platform::os {

// Whether the environment names a window session to connect to. On Linux that is an X11 display or a
// Wayland compositor; a Windows desktop needs no naming.
bool windowSessionNamed();

// Hands the memory that the program has freed back to the system, where the C library would otherwise keep
// it resident for later use.
void releaseFreedMemory() noexcept;

// The faces behind the program's "System", "Courier" and "Times" fonts.
QFont userInterfaceFont();
QFont fixedWidthFont();
QFont serifFont();

// Qt 6.4 hands the window system the program's name as the title of a window whose own title is empty
// (QPlatformWindow::formatWindowTitle), and desktops show it in title bars, task bars and window
// switchers. Empties the title that the window system holds for the window's native window: on X11 and
// Windows once it is made, on Wayland once it is shown; elsewhere it does nothing.
void clearShownTitle(QWindow& window);
// That title as the window system holds it, where it can be read back (X11 and Windows).
std::optional<QString> shownTitle(QWindow& window);

} // namespace quorvel::platform::os
