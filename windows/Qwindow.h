// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Window.h"

namespace quorvel {

// The information window: a page that explains the Spearman-Brown formula, its symbols and literature,
// and the program's notice. Any key or click in it hides it.
// Qwindow and its StaticText and Canvas controls: old names, explained under Names in README.md.
class Qwindow final : public platform::ImplicitWindow<Qwindow>
{
protected:
    void Layout() override;
    void CreateControls() override;
    void Close() override;
    bool MouseDown(int x, int y) override;
    bool KeyDown(const QString& key) override;
};

} // namespace quorvel
