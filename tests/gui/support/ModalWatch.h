// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace quorvel::test {

// What a modal message box showed before the watch dismissed it.
struct SeenBox
{
    QString title;
    QString text;
    QStringList buttons;
};

// Reads and dismisses every modal box as it appears, so that a test never hangs on one; the test then
// asserts on what was seen. A modal window that is not a message box is closed and reported too.
class ModalWatch : public QObject
{
public:
    static ModalWatch& instance();

    void start();
    // The boxes seen since the last call, oldest first.
    QList<SeenBox> take();

private:
    void dismissModal();

    QTimer m_poll;
    QList<SeenBox> m_seen;
};

} // namespace quorvel::test
