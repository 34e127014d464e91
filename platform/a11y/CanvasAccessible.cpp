// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/a11y/CanvasAccessible.h"

#include "platform/Canvas.h"

namespace quorvel::platform {

CanvasAccessible::CanvasAccessible(Canvas* canvas) : WidgetAccessible(canvas) {}

QAccessible::Role CanvasAccessible::role() const
{
    return pressable() ? QAccessible::Button : WidgetAccessible::role();
}

QStringList CanvasAccessible::actionNames() const
{
    QStringList names = WidgetAccessible::actionNames();
    if (pressable())
        names.prepend(pressAction());
    return names;
}

void CanvasAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && pressable())
        canvas()->press();
    else
        WidgetAccessible::doAction(actionName);
}

// Null while the canvas is being destroyed: it is a plain widget by then.
Canvas* CanvasAccessible::canvas() const
{
    return qobject_cast<Canvas*>(widget());
}

bool CanvasAccessible::pressable() const
{
    const Canvas* shown = canvas();
    return shown && shown->acceptsFocus();
}

} // namespace quorvel::platform
