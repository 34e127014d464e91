// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

// The program with its first start-up step failing, for the test that a failed start-up ends with
// status 1 and says why on standard error. Everything is the program's own but the declaration of the
// document types: this file defines it, throwing, so the linker takes it and leaves the program's out.

#include "app/FileTypes.h"
#include "app/Startup.h"

#include <stdexcept>

namespace quorvel::FileTypes {

void Initialize()
{
    throw std::runtime_error("the document types cannot be declared");
}

} // namespace quorvel::FileTypes

int main(int argc, char* argv[])
{
    return quorvel::runProgram(argc, argv);
}
