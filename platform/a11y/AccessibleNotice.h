// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

namespace quorvel::platform {

// A message for screen readers, told without moving the keyboard focus and without showing anything:
// a reader speaks what appears away from the focus only when told. Readers see it as a notification
// (see AccessibleInterfaces.cpp), which Orca reads out as it appears.
class AccessibleNotice final : public QWidget
{
    Q_OBJECT

public:
    explicit AccessibleNotice(QWidget* parent);

    // Has the message read out; the same message again is read again.
    void announce(const QString& message);
};

} // namespace quorvel::platform
