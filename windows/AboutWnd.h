// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Window.h"

namespace quorvel {

// The About window, also the splash at start-up: the program's pictures and copyright line in an
// untitled dialog. Any key or click in it dismisses it into the calculator window.
// AboutWnd and its Canvas and StaticText controls: old names, explained under Names in README.md.
class AboutWnd final : public platform::ImplicitWindow<AboutWnd>
{
protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    bool KeyDown(const QString& key) override;
    bool MouseDown(int x, int y) override;

private:
    bool AboutMenuItem_Action();
};

} // namespace quorvel
