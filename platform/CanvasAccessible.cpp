// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/CanvasAccessible.h"

#include "platform/Canvas.h"

#include <mutex>

namespace quorvel::platform {
namespace {

QAccessibleInterface* faceOfCanvas(const QString&, QObject* object)
{
    auto* canvas = qobject_cast<Canvas*>(object);
    return canvas ? new CanvasAccessible(*canvas) : nullptr;
}

} // namespace

CanvasAccessible::CanvasAccessible(Canvas& canvas) : QAccessibleWidget(&canvas) {}

QAccessible::Role CanvasAccessible::role() const
{
    return pressable() ? QAccessible::Button : QAccessibleWidget::role();
}

QStringList CanvasAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (pressable())
        names.prepend(pressAction());
    return names;
}

void CanvasAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && pressable())
        canvas()->press();
    else
        QAccessibleWidget::doAction(actionName);
}

void CanvasAccessible::install()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(&faceOfCanvas); });
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
