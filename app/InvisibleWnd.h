// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Window.h"

namespace quorvel {

// The host window: never shown, it carries the menu bar, shows the About window as the splash when it
// opens, and after the splash time hands over to the calculator window.
// InvisibleWnd and Timer1_Action: old names, explained under Names in README.md.
class InvisibleWnd final : public platform::ImplicitWindow<InvisibleWnd>
{
public:
    // How long the splash stays before the calculator window comes.
    static constexpr int splashMilliseconds = 1500;

protected:
    void Layout() override;
    void CreateControls() override;
    void Open() override;

private:
    void Timer1_Action();
};

} // namespace quorvel
