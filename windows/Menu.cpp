// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "windows/Menu.h"

#include "platform/Application.h"
#include "platform/NilObjectException.h"

#include <memory>
#include <optional>

namespace quorvel {
namespace {

using platform::MenuItem;

// One row of the menu bar: configured in this order, then attached to its menu (or to the bar).
template <class Item = MenuItem>
void appendRow(MenuItem& bar, const char* menuName, const char* name, bool autoEnable, const QString& text,
               std::optional<QString> shortcut = QString())
{
    auto item = std::make_unique<Item>();
    item->setName(QString::fromLatin1(name));
    item->setAutoEnable(autoEnable);
    item->setText(text);
    if (shortcut)
        item->setKeyboardShortcut(*shortcut);
    MenuItem* parent = menuName ? bar.Child(QString::fromLatin1(menuName)) : &bar;
    parent->Append(std::move(item));
}

MenuItem& lookUp(const char* name)
{
    const platform::Application* application = platform::Application::registered();
    platform::MenuBar* bar = application ? application->menuBar() : nullptr;
    MenuItem* item = bar ? bar->Lookup(QString::fromLatin1(name)) : nullptr;
    if (!item)
        throw platform::NilObjectException(std::string("no menu item named ") + name);
    return *item;
}

} // namespace

Menu::Menu()
{
    appendRow(*this, nullptr, "UntitledMenu2", false, QStringLiteral("File"));
    appendRow(*this, "UntitledMenu2", "FilePrint", false, QStringLiteral("Print"));
    appendRow<platform::QuitMenuItem>(*this, "UntitledMenu2", "FileQuit", true, QStringLiteral("Quit"),
                                      QStringLiteral("Cmd+Q"));
    appendRow(*this, nullptr, "UntitledMenu0", false, QStringLiteral("Edit"));
    appendRow(*this, "UntitledMenu0", "EditUndo", false, QStringLiteral("Undo"), QStringLiteral("Cmd+Z"));
    appendRow(*this, "UntitledMenu0", "UntitledMenu1", false, QStringLiteral("-"), std::nullopt);
    appendRow(*this, "UntitledMenu0", "EditCut", false, QStringLiteral("Cut"), QStringLiteral("Cmd+X"));
    appendRow(*this, "UntitledMenu0", "EditCopy", false, QStringLiteral("Copy"), QStringLiteral("Cmd+C"));
    appendRow(*this, "UntitledMenu0", "EditPaste", false, QStringLiteral("Paste"), QStringLiteral("Cmd+V"));
    appendRow(*this, "UntitledMenu0", "EditClear", false, QString());
    appendRow(*this, nullptr, "WindowMenu", false, QStringLiteral("Window"));
    appendRow(*this, "WindowMenu", "ControlMenuItem", false, QStringLiteral("Control"));
    appendRow(*this, "WindowMenu", "AboutMenuItem", false, QStringLiteral("About Quorvel"));
    appendRow<platform::AppleMenuItem>(*this, "WindowMenu", "AboutMentavo", false,
                                       QStringLiteral("About Quorvel"));
}

Menu& Menu::instance()
{
    static const auto menu = std::make_unique<Menu>();
    return *menu;
}

platform::AppleMenuItem& AboutMentavo()
{
    auto* item = dynamic_cast<platform::AppleMenuItem*>(&lookUp("AboutMentavo"));
    if (!item)
        throw platform::NilObjectException("AboutMentavo is not an application menu item");
    return *item;
}

platform::MenuItem& AboutMenuItem()
{
    return lookUp("AboutMenuItem");
}

platform::MenuItem& ControlMenuItem()
{
    return lookUp("ControlMenuItem");
}

} // namespace quorvel
