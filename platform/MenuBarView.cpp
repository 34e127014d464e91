// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/MenuBarView.h"

#include "platform/MenuBarWidget.h"
#include "platform/MenuDispatch.h"
#include "platform/MenuItem.h"
#include "platform/Runtime.h"

#include <QMenu>

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

QMenuBar* buildMenuBarWidget(MenuBar& menuBar, QWidget* parent)
{
    auto* widget = new MenuBarWidget(parent);
    for (const auto& menu : menuBar.items())
        fillMenu(*widget->addMenu(withAccessKey(menu->text())), *menu, menuBar);
    // Its commands leave with the bar; its menus, empty then, follow.
    QObject::connect(menuBar.lifetime(), &QObject::destroyed, widget, &QObject::deleteLater);
    return widget;
}

} // namespace quorvel::platform
