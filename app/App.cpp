// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "app/App.h"

#include "platform/NilObjectException.h"

namespace quorvel {

App& app()
{
    auto* application = dynamic_cast<App*>(platform::Application::registered());
    if (!application)
        throw platform::NilObjectException("no application object is registered");
    return *application;
}

} // namespace quorvel
