// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Style.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QStyleOption>
#include <initializer_list>

namespace quorvel::platform {
namespace {

// With the format named and detection off, QImageReader goes straight to its built-in PNG reader.
QIcon builtInIcon(const QString& pattern, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (const int size : sizes) {
        QImageReader reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/") +
                            pattern.arg(size));
        reader.setAutoDetectImageFormat(false);
        reader.setFormat("png");
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace

QIcon Style::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const
{
    if (which == SP_ToolBarHorizontalExtensionButton) {
        const Qt::LayoutDirection direction = option ? option->direction : QGuiApplication::layoutDirection();
        return builtInIcon(direction == Qt::RightToLeft ? QStringLiteral("toolbar-ext-h-rtl-%1.png")
                                                        : QStringLiteral("toolbar-ext-h-%1.png"),
                           {8, 16, 32});
    }
    if (which == SP_ToolBarVerticalExtensionButton)
        return builtInIcon(QStringLiteral("toolbar-ext-v-%1.png"), {5, 10, 20});
    return QProxyStyle::standardIcon(which, option, widget);
}

} // namespace quorvel::platform
