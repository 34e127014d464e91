// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleWidget>

namespace quorvel::platform {

// A widget as assistive technology sees it, placed in the pixels drawn on the screen: the base of every
// accessible interface of the program.
//
// Workaround for Qt 6.4 (and Qt 6.8, whose AT-SPI adaptor still hands on QAccessibleInterface::rect()
// as it is): over AT-SPI, Qt reports positions in device-independent pixels, while magnifiers and
// Orca's mouse review take them for the screen's pixels, so at a scale factor of 2 they pointed to half
// the place and size of what is drawn. These interfaces report the drawn pixels, and take points asked
// about in them. Not on Windows, whose bridge converts the positions itself, nor on Wayland, which has
// no screen positions to give. Were Qt's bridge to convert them one day, everything would be reported
// twice too large: scripts/check-magnifier.sh compares what AT-SPI reports with what is drawn.
class WidgetAccessible : public QAccessibleWidget
{
public:
    explicit WidgetAccessible(QWidget* widget, QAccessible::Role role = QAccessible::Client);

    QRect rect() const override;
    QAccessibleInterface* childAt(int x, int y) const override;

protected:
    // A rectangle in the widget's own coordinates, in the pixels reported for the screen.
    QRect onScreen(const QRect& inWidget) const;
    // A point reported for the screen, in the widget's own coordinates.
    QPoint inWidget(const QPoint& onScreen) const;
};

} // namespace quorvel::platform
