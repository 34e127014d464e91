// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <vector>

class QAction;
class QObject;

namespace quorvel::platform {

// The menu tree, in one file: MenuItem, the two kinds of item that differ from it by their Role alone
// (QuitMenuItem, AppleMenuItem), and the tree's root (MenuBar), which windows show as MenuBarWidget.

// An item of a menu bar: a menu (an item with items of its own), a command, or a separator ("-").
// Items are found by Name, which is never shown; windows register menu handlers under it.
class MenuItem
{
public:
    enum class Role {
        Command,
        Quit,        // quits by itself
        Application, // belongs in the application menu where the desktop has one
    };

    MenuItem();
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    Role role() const { return m_role; }

    const QString& name() const { return m_name; }
    void setName(const QString& name);
    const QString& text() const { return m_text; }
    void setText(const QString& text);
    // "Cmd+Q" means Ctrl+Q, or Cmd+Q on macOS; the empty text means none.
    const QString& keyboardShortcut() const { return m_keyboardShortcut; }
    void setKeyboardShortcut(const QString& shortcut);
    bool autoEnable() const { return m_autoEnable; }
    void setAutoEnable(bool autoEnable);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    bool isSeparator() const { return m_text == QLatin1String("-"); }
    bool isMenu() const { return !m_items.empty(); }
    const std::vector<std::unique_ptr<MenuItem>>& items() const { return m_items; }

    // The direct item of this one with that name, or null.
    MenuItem* Child(const QString& name) const;
    // This item or any item below it with that name, or null.
    MenuItem* Lookup(const QString& name);
    void Append(std::unique_ptr<MenuItem> item);

    // The on-screen command of this item, made on first use and kept in step with the item. The item
    // owns it: destroying the item takes it out of every window and menu that shows it.
    QAction* action();

protected:
    explicit MenuItem(Role role);

private:
    void updateAction();

    Role m_role;
    QString m_name;
    QString m_text;
    QString m_keyboardShortcut;
    bool m_autoEnable = false;
    bool m_enabled = true;
    std::vector<std::unique_ptr<MenuItem>> m_items;
    std::unique_ptr<QAction> m_action;
};

// The Quit command, which quits by itself.
class QuitMenuItem : public MenuItem
{
public:
    QuitMenuItem();
};

// An item that belongs in the application menu (macOS's menu named after the program) where the
// desktop has one, and stays in its own menu elsewhere; the name is the old one.
class AppleMenuItem : public MenuItem
{
public:
    AppleMenuItem();
};

// The root of a menu: its items are the menus shown along the bar.
class MenuBar : public MenuItem
{
public:
    MenuBar();
    ~MenuBar() override;

    // The commands of every menu, for windows to answer their shortcuts.
    QList<QAction*> shortcutActions() const;

    // An object that lives exactly as long as the bar: the receiver of every connection that calls into
    // the bar, so that none outlives it.
    QObject* lifetime() const { return m_lifetime.get(); }

private:
    std::unique_ptr<QObject> m_lifetime;
};

} // namespace quorvel::platform
