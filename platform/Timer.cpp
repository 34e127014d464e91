// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Timer.h"

#include "platform/Runtime.h"

namespace quorvel::platform {

// Qt's default, a coarse timer, may fire 5 % early or late: up to 75 ms off the 1500 ms splash.
Timer::Timer(QObject* parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
}

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
