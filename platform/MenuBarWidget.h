// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>

namespace quorvel::platform {

class MenuBar;

// The menus of a MenuBar as a bar shown inside a window, on desktops without a global one. F10 opens
// its first menu, as on Windows and GNOME. Alt, F10 and the access keys give it the keyboard; it
// remembers the text field it took the keyboard from, so that the Edit commands act on that field
// however the menu was opened. It goes with the MenuBar it shows.
class MenuBarWidget : public QMenuBar
{
    Q_OBJECT

public:
    MenuBarWidget(MenuBar& menuBar, QWidget* parent);

    // The text field that had the keyboard before this bar took it, or null.
    QLineEdit* fieldBeforeKeyboard() const { return m_fieldBeforeKeyboard; }

private:
    void openFirstMenu();

    QPointer<QLineEdit> m_fieldBeforeKeyboard;
};

} // namespace quorvel::platform
