// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/MenuBarWidget.h"

#include "platform/MenuDispatch.h"
#include "platform/MenuItem.h"
#include "platform/Runtime.h"

#include <QApplication>
#include <QMenu>
#include <QShortcut>

namespace quorvel::platform {
namespace {

void fillMenu(QMenu& menu, MenuItem& model, MenuBar& menuBar)
{
    menu.setObjectName(model.name());
    for (const auto& item : model.items()) {
        if (item->isMenu())
            fillMenu(*menu.addMenu(item->text()), *item, menuBar);
        else
            menu.addAction(item->action());
    }
    QObject::connect(&menu, &QMenu::aboutToShow, menuBar.lifetime(),
                     [&menuBar] { runHandler([&menuBar] { updateMenuItems(menuBar); }); });
}

// A menu's title on the bar has its first letter for access key (Alt+F for File), underlined as the
// desktop's style shows access keys.
QString withAccessKey(QString title)
{
    return QLatin1Char('&') + title.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

MenuBarWidget::MenuBarWidget(MenuBar& menuBar, QWidget* parent) : QMenuBar(parent)
{
    for (const auto& menu : menuBar.items())
        fillMenu(*addMenu(withAccessKey(menu->text())), *menu, menuBar);
    // Its commands leave with the bar; its menus, empty then, follow.
    connect(menuBar.lifetime(), &QObject::destroyed, this, &QObject::deleteLater);
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
