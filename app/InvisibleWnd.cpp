// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "app/InvisibleWnd.h"

#include "platform/Timer.h"
#include "windows/AboutWnd.h"
#include "windows/ControlWnd.h"
#include "windows/Menu.h"

namespace quorvel {

void InvisibleWnd::Layout()
{
    setMenuBar(&Menu::instance());
    setVisibleWhenCreated(false);
    setTitle(QStringLiteral("Untitled"));
    setContentSize(64, 64);
    setFrame(Frame::Host, false, true);
}

void InvisibleWnd::CreateControls()
{
    auto& timer = addComponent<platform::Timer>(QStringLiteral("Timer1"));
    timer.setMode(platform::Timer::Single);
    timer.setPeriod(splashMilliseconds);
    timer.onAction([this] { Timer1_Action(); });
}

void InvisibleWnd::Open()
{
    AboutWnd::instance().Show();
}

void InvisibleWnd::Timer1_Action()
{
    AboutWnd::instance().Hide();
    InvisibleWnd::instance().Hide();
    ControlWnd::instance().Show();
}

} // namespace quorvel
