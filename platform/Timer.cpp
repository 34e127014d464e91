// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Timer.h"

#include "platform/Runtime.h"

namespace quorvel::platform {

Timer::Timer(QObject* parent) : QObject(parent) {}

void Timer::setMode(int mode)
{
    m_mode = mode;
    restart();
}

void Timer::setPeriod(int milliseconds)
{
    m_timer.setInterval(milliseconds);
    restart();
}

void Timer::onAction(std::function<void()> handler)
{
    connect(&m_timer, &QTimer::timeout, this, [handler = std::move(handler)] { runHandler(handler); });
}

void Timer::restart()
{
    m_timer.stop();
    m_timer.setSingleShot(m_mode == Single);
    if (m_mode != Off)
        m_timer.start();
}

} // namespace quorvel::platform
