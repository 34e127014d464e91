// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Application.h"

namespace quorvel::platform {
namespace {

std::unique_ptr<Application>& registeredSlot()
{
    static std::unique_ptr<Application> slot;
    return slot;
}

} // namespace

Application::Application() = default;

Application::~Application() = default;

void Application::setMenuBar(MenuBar* menuBar)
{
    m_menuBar = menuBar;
}

void Application::Register(std::unique_ptr<Application> application)
{
    registeredSlot() = std::move(application);
}

Application* Application::registered()
{
    return registeredSlot().get();
}

} // namespace quorvel::platform
