// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/MenuBarView.h"

#include "platform/MenuDispatch.h"
#include "platform/MenuItem.h"
#include "platform/Runtime.h"

#include <QMenu>
#include <QMenuBar>

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

} // namespace

QMenuBar* buildMenuBarWidget(MenuBar& menuBar, QWidget* parent)
{
    auto* widget = new QMenuBar(parent);
    for (const auto& menu : menuBar.items())
        fillMenu(*widget->addMenu(menu->text()), *menu, menuBar);
    // Its commands leave with the bar; its menus, empty then, follow.
    QObject::connect(menuBar.lifetime(), &QObject::destroyed, widget, &QObject::deleteLater);
    return widget;
}

} // namespace quorvel::platform
