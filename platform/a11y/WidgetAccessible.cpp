// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/a11y/WidgetAccessible.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace quorvel::platform {
namespace {

bool bridgeTakesDrawnPixels()
{
    static const bool drawn = [] {
        const QString platform = QGuiApplication::platformName();
        return platform != QLatin1String("windows") && !platform.startsWith(QLatin1String("wayland"));
    }();
    return drawn;
}

// Qt scales positions on a screen from the screen's top-left corner, which keeps its place.
struct Scaling
{
    qreal ratio = 1;
    QPoint origin;
};

Scaling scalingOf(const QWidget& widget)
{
    const QWindow* window = widget.window()->windowHandle();
    if (!bridgeTakesDrawnPixels() || !window || !window->screen())
        return {};
    return {window->devicePixelRatio(), window->screen()->geometry().topLeft()};
}

} // namespace

WidgetAccessible::WidgetAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role)
{}

QRect WidgetAccessible::rect() const
{
    if (!widget()->isVisible())
        return {};
    return onScreen(widget()->rect());
}

// Each child is asked for its own place, in the same pixels as the point.
QAccessibleInterface* WidgetAccessible::childAt(int x, int y) const
{
    for (int index = 0; index < childCount(); ++index) {
        QAccessibleInterface* part = child(index);
        if (part && part->isValid() && part->rect().contains(x, y))
            return part;
    }
    return nullptr;
}

QRect WidgetAccessible::onScreen(const QRect& inWidget) const
{
    const QRect global = inWidget.translated(widget()->mapToGlobal(QPoint(0, 0)));
    const auto [ratio, origin] = scalingOf(*widget());
    const QPointF topLeft = origin + QPointF(global.topLeft() - origin) * ratio;
    const QPointF bottomRight =
        origin + QPointF(global.topLeft() + QPoint(global.width(), global.height()) - origin) * ratio;
    return QRect(topLeft.toPoint(), bottomRight.toPoint() - QPoint(1, 1));
}

QPoint WidgetAccessible::inWidget(const QPoint& onScreen) const
{
    const auto [ratio, origin] = scalingOf(*widget());
    const QPointF global = origin + QPointF(onScreen - origin) / ratio;
    return widget()->mapFromGlobal(global.toPoint());
}

} // namespace quorvel::platform
