// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Application.h"

namespace quorvel {

// The application object. It adds nothing to the runtime's: every application event keeps its default.
class App : public platform::Application
{
};

// The registered application object; throws NilObjectException before start-up registered one.
App& app();

} // namespace quorvel
