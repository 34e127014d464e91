// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

class QMenuBar;
class QWidget;

namespace quorvel::platform {

class MenuBar;

// A menu bar widget showing the menus of `menuBar`, for a window on a desktop without a global bar.
QMenuBar* buildMenuBarWidget(MenuBar& menuBar, QWidget* parent);

} // namespace quorvel::platform
