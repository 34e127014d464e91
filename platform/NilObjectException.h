// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <stdexcept>

namespace quorvel::platform {

// Raised when the program asks for an object that does not exist: a control under a name the window
// never registered, or the application's menu bar before one was set.
class NilObjectException : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace quorvel::platform
