// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

namespace quorvel::platform {
class Runtime;
} // namespace quorvel::platform

namespace quorvel {

// The program's whole life: the runtime, start-up, the event loop; returns the exit status
// (0 after Quit, 1 after an unhandled exception).
int runProgram(int argc, char* argv[]);

// Start-up in its fixed order, then the event loop. Needs the runtime.
int _Main(platform::Runtime& runtime);
// The steps of start-up.
void _InitFileTypes();
void _NewAppInstance();
void _MakeDefaultView();

} // namespace quorvel
