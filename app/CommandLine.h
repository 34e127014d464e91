// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>

namespace quorvel {

// The exit statuses of the program.
enum ExitStatus {
    ExitSuccess = 0,
    ExitFailure = 1,    // a calculation message, an answer not written, no display, an unhandled exception
    ExitUsageError = 2, // an unknown option or an unexpected argument
};

// Answers what the command line asks that needs no window: the usage, the version, a calculation, or a
// usage error. Prints the answer and returns the exit status; returns nothing when the program is to
// open its windows. Qt's own options (-platform, -display, -style, ...) are left for the windows.
std::optional<int> runCommandLine(int argc, char* argv[]);

} // namespace quorvel
