// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "app/Startup.h"

int main(int argc, char* argv[])
{
    return quorvel::runProgram(argc, argv);
}
