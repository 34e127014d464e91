// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/a11y/AccessibleInterfaces.h"

#include "platform/Canvas.h"
#include "platform/EditField.h"
#include "platform/PushButton.h"
#include "platform/RoundRectangle.h"
#include "platform/StaticText.h"
#include "platform/Window.h"
#include "platform/a11y/AccessibleNotice.h"
#include "platform/a11y/CanvasAccessible.h"
#include "platform/a11y/EditFieldAccessible.h"
#include "platform/a11y/PushButtonAccessible.h"
#include "platform/a11y/StaticTextAccessible.h"
#include "platform/a11y/WidgetAccessible.h"

namespace quorvel::platform {
namespace {

bool isClass(const QString& className, const QMetaObject& metaObject)
{
    return className == QLatin1String(metaObject.className());
}

// The frame a window holds its controls in. Qt shows a QFrame as a frame, which readers take for a
// window of its own, and then speak no focus change inside it.
bool isContentArea(const QString& className, const QWidget& widget)
{
    return isClass(className, QFrame::staticMetaObject) && qobject_cast<Window*>(widget.parentWidget());
}

// Qt asks with the names of the object's class and then of its base classes, each of every factory in
// turn: naming our own classes, this one comes before Qt's for their bases.
QAccessibleInterface* accessibleInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    // A reader takes the nearest frame, window or dialog above a control for the control's window.
    if (isContentArea(className, *widget))
        return new WidgetAccessible(widget, QAccessible::Client);
    if (isClass(className, EditField::staticMetaObject))
        return new EditFieldAccessible(qobject_cast<EditField*>(widget));
    if (isClass(className, Canvas::staticMetaObject))
        return new CanvasAccessible(qobject_cast<Canvas*>(widget));
    if (isClass(className, StaticText::staticMetaObject))
        return new StaticTextAccessible(qobject_cast<StaticText*>(widget));
    if (isClass(className, AccessibleNotice::staticMetaObject))
        return new WidgetAccessible(widget, QAccessible::Notification);
    // As Qt's own interfaces show them, but placed in the pixels drawn (see WidgetAccessible.h).
    if (isClass(className, PushButton::staticMetaObject))
        return new PushButtonAccessible(qobject_cast<PushButton*>(widget));
    if (isClass(className, Window::staticMetaObject) || isClass(className, RoundRectangle::staticMetaObject))
        return new WidgetAccessible(widget);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(&accessibleInterface);
}

} // namespace quorvel::platform
