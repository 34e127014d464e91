// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/MenuItem.h"

#include "platform/MenuDispatch.h"
#include "platform/Runtime.h"

#include <QAction>

namespace quorvel::platform {
namespace {

QKeySequence toKeySequence(const QString& shortcut)
{
    QString portable = shortcut;
    portable.replace(QLatin1String("Cmd+"), QLatin1String("Ctrl+"));
    return QKeySequence::fromString(portable, QKeySequence::PortableText);
}

// Only the application items take the places macOS gives them; every other item stays in its menu.
QAction::MenuRole menuRoleFor(MenuItem::Role role)
{
    switch (role) {
    case MenuItem::Role::Quit:
        return QAction::QuitRole;
    case MenuItem::Role::Application:
        return QAction::AboutRole;
    case MenuItem::Role::Command:
        break;
    }
    return QAction::NoRole;
}

void collectCommands(const MenuItem& item, QList<QAction*>& actions)
{
    for (const auto& child : item.items()) {
        if (child->isMenu())
            collectCommands(*child, actions);
        else if (!child->isSeparator())
            actions.append(child->action());
    }
}

} // namespace

MenuItem::MenuItem() : MenuItem(Role::Command) {}

MenuItem::MenuItem(Role role) : m_role(role) {}

MenuItem::~MenuItem() = default;

void MenuItem::setName(const QString& name)
{
    m_name = name;
}

void MenuItem::setText(const QString& text)
{
    m_text = text;
    updateAction();
}

void MenuItem::setKeyboardShortcut(const QString& shortcut)
{
    m_keyboardShortcut = shortcut;
    updateAction();
}

void MenuItem::setAutoEnable(bool autoEnable)
{
    m_autoEnable = autoEnable;
}

void MenuItem::setEnabled(bool enabled)
{
    m_enabled = enabled;
    updateAction();
}

MenuItem* MenuItem::Child(const QString& name) const
{
    for (const auto& item : m_items)
        if (item->name() == name)
            return item.get();
    return nullptr;
}

MenuItem* MenuItem::Lookup(const QString& name)
{
    if (m_name == name)
        return this;
    for (const auto& item : m_items)
        if (MenuItem* found = item->Lookup(name))
            return found;
    return nullptr;
}

void MenuItem::Append(std::unique_ptr<MenuItem> item)
{
    m_items.push_back(std::move(item));
}

QAction* MenuItem::action()
{
    if (!m_action) {
        m_action = std::make_unique<QAction>();
        m_action->setObjectName(m_name);
        m_action->setMenuRole(menuRoleFor(m_role));
        QObject::connect(m_action.get(), &QAction::triggered, m_action.get(),
                         [this] { runHandler([this] { chooseMenuItem(*this); }); });
        updateAction();
    }
    return m_action.get();
}

void MenuItem::updateAction()
{
    if (!m_action)
        return;
    // A separator is a plain line: some styles draw an action's text beside the line, and screen readers
    // would read it.
    m_action->setText(isSeparator() ? QString() : m_text);
    m_action->setSeparator(isSeparator());
    m_action->setVisible(!m_text.isEmpty());
    m_action->setShortcut(toKeySequence(m_keyboardShortcut));
    m_action->setEnabled(m_enabled);
}

QuitMenuItem::QuitMenuItem() : MenuItem(Role::Quit) {}

AppleMenuItem::AppleMenuItem() : MenuItem(Role::Application) {}

MenuBar::MenuBar() : m_lifetime(std::make_unique<QObject>()) {}

MenuBar::~MenuBar() = default;

QList<QAction*> MenuBar::shortcutActions() const
{
    QList<QAction*> actions;
    collectCommands(*this, actions);
    return actions;
}

} // namespace quorvel::platform
