// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <optional>

class QWindow;

class QMessageBox;

// What differs between the systems the program runs on (Linux with glibc, Windows, a web browser), kept
// in this one place.
namespace quorvel::platform::os {

// Whether the environment names a window session to connect to. On Linux that is an X11 display or a
// Wayland compositor; a Windows desktop and a browser page need no naming.
bool windowSessionNamed();
// The window session the program needs, as the message that no display can be opened names it.
const char* windowSessionNeeded();

// Hands the memory that the program has freed back to the system, where the C library would otherwise keep
// it resident for later use.
void releaseFreedMemory() noexcept;

// The size of text the user chose for the desktop, as a ratio to the desktop's default size; 1 where
// the desktop has no such setting or it is not set. On Windows, Settings > Accessibility > Text size
// (100 to 225 %); on Linux, the general font of a KDE desktop against KDE's default of 10 points. In
// the browser, whose zoom scales the page as a whole, always 1.
// Readable before the application object exists.
double desktopTextScale();

// The faces behind the program's "System", "Courier" and "Times" fonts.
QFont userInterfaceFont();
QFont fixedWidthFont();
QFont serifFont();

// Sounds the system alert.
void soundAlert();

// Shows the modal box and returns once the user has dismissed it. In the browser, where no event loop can
// run inside another, it returns at once, the box still modal, and deletes itself when dismissed.
void runModal(QMessageBox* box);

// Ends the event loop with the status. The browser page outlives the program: there its windows close
// and the page says that the program has ended.
void endEventLoop(int status);

// Qt 6.4 hands the window system the program's name as the title of a window whose own title is empty
// (QPlatformWindow::formatWindowTitle), and desktops show it in title bars, task bars and window
// switchers. Empties the title that the window system holds for the window's native window: on X11 and
// Windows once it is made, on Wayland once it is shown; elsewhere it does nothing.
void clearShownTitle(QWindow& window);
// That title as the window system holds it, where it can be read back (X11 and Windows).
std::optional<QString> shownTitle(QWindow& window);

} // namespace quorvel::platform::os
