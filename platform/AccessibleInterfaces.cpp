// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/AccessibleInterfaces.h"

#include "platform/AccessibleNotice.h"
#include "platform/Canvas.h"
#include "platform/CanvasAccessible.h"
#include "platform/ContentArea.h"
#include "platform/EditField.h"
#include "platform/EditFieldAccessible.h"
#include "platform/StaticText.h"
#include "platform/StaticTextAccessible.h"

#include <QAccessibleWidget>

namespace quorvel::platform {
namespace {

bool isClass(const QString& className, const QMetaObject& metaObject)
{
    return className == QLatin1String(metaObject.className());
}

// Qt asks with the names of the object's class and then of its base classes, each of every factory in
// turn: naming our own classes, this one comes before Qt's for their bases.
QAccessibleInterface* accessibleInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    // A reader takes the nearest frame, window or dialog above a control for the control's window.
    if (isClass(className, ContentArea::staticMetaObject))
        return new QAccessibleWidget(widget, QAccessible::Client);
    if (isClass(className, EditField::staticMetaObject))
        return new EditFieldAccessible(qobject_cast<EditField*>(widget));
    if (isClass(className, Canvas::staticMetaObject))
        return new CanvasAccessible(*qobject_cast<Canvas*>(widget));
    if (isClass(className, StaticText::staticMetaObject))
        return new StaticTextAccessible(qobject_cast<StaticText*>(widget));
    if (isClass(className, AccessibleNotice::staticMetaObject))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace quorvel::platform
