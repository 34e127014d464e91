// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/a11y/WidgetAccessible.h"

namespace quorvel::platform {

class Canvas;

// How assistive technology sees a canvas. One that takes the keyboard focus is a button, under its
// accessible name and description, that can be pressed; any other is a plain widget, as Qt shows one.
class CanvasAccessible final : public WidgetAccessible
{
public:
    explicit CanvasAccessible(Canvas* canvas);

    QAccessible::Role role() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    Canvas* canvas() const;
    bool pressable() const;
};

} // namespace quorvel::platform
