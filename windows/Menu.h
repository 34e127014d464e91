// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/MenuItem.h"

namespace quorvel {

// The program's one menu bar: File, Edit and Window. Its items keep their old names (UntitledMenu0 is
// Edit, AboutMentavo the application menu's About), explained under Names in README.md.
class Menu : public platform::MenuBar
{
public:
    Menu();

    // The program-wide menu bar, built on first use.
    static Menu& instance();
};

// The items of the application's menu bar that the calculator window enables; each throws
// NilObjectException when the application has no menu bar or the bar no such item.
platform::AppleMenuItem& AboutMentavo();
platform::MenuItem& AboutMenuItem();
platform::MenuItem& ControlMenuItem();

} // namespace quorvel
