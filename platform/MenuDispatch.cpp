// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/MenuDispatch.h"

#include "platform/MenuBarWidget.h"
#include "platform/MenuItem.h"
#include "platform/PasteGuard.h"
#include "platform/Runtime.h"
#include "platform/Window.h"

#include <QApplication>
#include <QLineEdit>
#include <functional>
#include <map>

namespace quorvel::platform {
namespace {

using EditCommand = std::function<void(QLineEdit&)>;

// The Edit commands that every text field understands, by item name.
const std::map<QString, EditCommand>& editCommands()
{
    static const std::map<QString, EditCommand> commands{
        {QStringLiteral("EditUndo"), &QLineEdit::undo}, {QStringLiteral("EditCut"), &QLineEdit::cut},
        {QStringLiteral("EditCopy"), &QLineEdit::copy}, {QStringLiteral("EditPaste"), &pasteInto},
        {QStringLiteral("EditClear"), &QLineEdit::del},
    };
    return commands;
}

Window* activeWindow()
{
    return qobject_cast<Window*>(QApplication::activeWindow());
}

// The text field that the Edit commands act on: the focused one, or, while a menu bar has the keyboard,
// the one it took the keyboard from.
QLineEdit* focusedField()
{
    QWidget* focus = QApplication::focusWidget();
    if (const auto* bar = qobject_cast<MenuBarWidget*>(focus))
        return bar->fieldBeforeKeyboard();
    return qobject_cast<QLineEdit*>(focus);
}

void updateCommands(MenuItem& menu, const Window* window, bool fieldFocused)
{
    for (const auto& item : menu.items()) {
        if (item->isMenu()) {
            updateCommands(*item, window, fieldFocused);
            continue;
        }
        const bool handled = window && window->hasMenuHandler(item->name());
        const bool editsField = fieldFocused && editCommands().contains(item->name());
        item->setEnabled(item->autoEnable() || handled || editsField);
    }
}

} // namespace

void updateMenuItems(MenuItem& menuBar)
{
    Window* window = activeWindow();
    updateCommands(menuBar, window, focusedField() != nullptr);
    if (window)
        window->runEnableMenuItems();
}

void chooseMenuItem(MenuItem& item)
{
    if (item.role() == MenuItem::Role::Quit) {
        Quit(0);
        return;
    }
    if (Window* window = activeWindow(); window && window->hasMenuHandler(item.name())) {
        window->runMenuHandler(item.name());
        return;
    }
    const auto edit = editCommands().find(item.name());
    if (QLineEdit* field = focusedField(); field && edit != editCommands().end())
        edit->second(*field);
}

} // namespace quorvel::platform
