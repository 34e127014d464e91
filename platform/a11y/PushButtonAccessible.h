// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/a11y/WidgetAccessible.h"

class QAbstractButton;

namespace quorvel::platform {

// How assistive technology sees a push button: a button under its caption that can be pressed, as Qt's
// own interface shows it, placed as WidgetAccessible places it.
class PushButtonAccessible final : public WidgetAccessible
{
public:
    explicit PushButtonAccessible(QAbstractButton* button);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QAbstractButton* button() const;
};

} // namespace quorvel::platform
