// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

namespace quorvel::platform {

class MenuItem;

// Before a menu shows: every command is enabled when its AutoEnable is on, when the active window has
// a handler for it, or (the Edit commands) when a text field has the focus, or had it until the menu bar
// took the keyboard; the rest are disabled. Then the active window's EnableMenuItems has the last word.
void updateMenuItems(MenuItem& menuBar);

// A chosen command goes to the handler that the active window registered under its name. Without one,
// an Edit command edits the focused text field, and anything else does nothing. The Quit command quits.
void chooseMenuItem(MenuItem& item);

} // namespace quorvel::platform
