// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

namespace quorvel::platform {
class Runtime;
} // namespace quorvel::platform

namespace quorvel {

// The program's whole life: the command line, then the runtime, start-up and the event loop; returns the
// exit status (0 after Quit or an answer printed, 1 after an unhandled exception, a calculation message, an
// answer that could not be written or with no display to open, 2 after a usage error).
int runProgram(int argc, char* argv[]);

// Gives every window the program's icon once the first window has been drawn. runProgram calls it.
void setWindowIconOnceDrawn();

// Start-up in its fixed order, then the event loop. Needs the runtime.
int Main(platform::Runtime& runtime);
// The steps of start-up.
void InitFileTypes();
void NewAppInstance();
void MakeDefaultView();

} // namespace quorvel
