// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace quorvel::platform {

// A timer control. It counts from the moment its mode and period are set: mode 1 fires its Action
// once, mode 2 repeatedly, mode 0 stops it.
class Timer : public QObject
{
    Q_OBJECT

public:
    enum Mode { Off = 0, Single = 1, Multiple = 2 };

    explicit Timer(QObject* parent = nullptr);

    void setMode(int mode);
    int mode() const { return m_mode; }
    void setPeriod(int milliseconds);
    int period() const { return m_timer.interval(); }
    bool isCounting() const { return m_timer.isActive(); }

    void onAction(std::function<void()> handler);

private:
    void restart();

    QTimer m_timer;
    int m_mode = Off;
};

} // namespace quorvel::platform
