// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/a11y/PushButtonAccessible.h"

#include <QAbstractButton>

namespace quorvel::platform {

PushButtonAccessible::PushButtonAccessible(QAbstractButton* button)
    : WidgetAccessible(button, QAccessible::Button)
{}

// Null while the button is being destroyed: it is a plain widget by then.
QAbstractButton* PushButtonAccessible::button() const
{
    return qobject_cast<QAbstractButton*>(widget());
}

QAccessible::State PushButtonAccessible::state() const
{
    QAccessible::State state = WidgetAccessible::state();
    if (const QAbstractButton* shown = button())
        state.pressed = shown->isDown();
    return state;
}

QStringList PushButtonAccessible::actionNames() const
{
    QStringList names = WidgetAccessible::actionNames();
    if (button() && widget()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void PushButtonAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && button() && widget()->isEnabled())
        button()->click();
    else
        WidgetAccessible::doAction(actionName);
}

} // namespace quorvel::platform
