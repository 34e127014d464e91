// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

class QKeyEvent;

namespace quorvel::platform {

// The key a KeyDown handler sees, as a one-character text: a printable key gives its character; keys
// without one give a control character: Backspace 8, Tab 9 (also Shift+Tab), Return 13, Enter 3,
// Escape 27, Left 28, Right 29, Up 30, Down 31, forward Delete 127, Home 1, End 4, Page Up 11,
// Page Down 12. Shortcuts (keys with Ctrl or Cmd), lone modifier presses and other keys without a
// character give the empty text: they are not delivered to KeyDown. A character typed with Ctrl+Alt
// is no shortcut: that is how AltGr reaches a program on Windows. The keypad's decimal key gives the
// decimal point (see isKeypadDecimal).
QString keyDownText(const QKeyEvent& event);

// Whether the key is the keypad's decimal key. It stands for the decimal point whatever character the
// keyboard layout gives it: a comma on German keyboards and on those of other countries that write a
// decimal comma (KP_Separator on X11 and Wayland, VK_DECIMAL on Windows).
bool isKeypadDecimal(const QKeyEvent& event);

// The keys that a text committed by an input method stands for, as KeyDown sees them: one for each
// character, a character beyond 16 bits included.
QStringList committedKeys(const QString& text);

} // namespace quorvel::platform
