// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/MenuBarWidget.h"

#include <QApplication>
#include <QShortcut>

namespace quorvel::platform {

MenuBarWidget::MenuBarWidget(QWidget* parent) : QMenuBar(parent)
{
    // Followed at every change, not only when the focus comes to the bar: moving from one of its menus
    // to the next, Qt hands the bar the focus without announcing it.
    connect(qobject_cast<QApplication*>(QCoreApplication::instance()), &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* to) {
                if (to != this)
                    m_fieldBeforeKeyboard = qobject_cast<QLineEdit*>(to);
            });
    connect(new QShortcut(Qt::Key_F10, this), &QShortcut::activated, this, &MenuBarWidget::openFirstMenu);
}

void MenuBarWidget::openFirstMenu()
{
    if (!actions().isEmpty())
        setActiveAction(actions().constFirst());
}

} // namespace quorvel::platform
