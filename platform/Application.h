// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>

namespace quorvel::platform {

class MenuBar;

// The application object: one per program, registered at start-up, carrying the menu bar.
class Application
{
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    MenuBar* menuBar() const { return m_menuBar; }
    void setMenuBar(MenuBar* menuBar);

    // Makes `application` the program's application object; it lives until the program ends.
    static void Register(std::unique_ptr<Application> application);
    // The registered application object, or null before one was registered.
    static Application* registered();

private:
    MenuBar* m_menuBar = nullptr;
};

} // namespace quorvel::platform
