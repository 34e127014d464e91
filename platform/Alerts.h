// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

class QString;

namespace quorvel::platform {

// Shows a modal message box with the text and one OK button, titled with the program's name;
// returns when the user has dismissed it.
void MsgBox(const QString& text);

// Sounds the system alert.
void Beep();

// How many times Beep has sounded since the program started; the alert itself cannot be observed.
int beepCount();

} // namespace quorvel::platform
